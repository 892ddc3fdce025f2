# Install rules: the game, its manual page and its documentation, nothing else. Every rule
# belongs to the component "game"; the packages take that component alone, so the install
# rules of anything added to the build later (a bundled GoogleTest, say) stay out of them.
#
#   cmake --install build                      the whole install, under CMAKE_INSTALL_PREFIX
#   cmake --install build --component game     the game's files alone

include(GNUInstallDirs)

# The web build installs its site: the page and everything it loads, at the top.
if(EMSCRIPTEN)
  install(DIRECTORY ${GEEKPATH_SITE_DIR}/ DESTINATION . COMPONENT game)
  return()
endif()

# Folders made by the install: rwxr-xr-x whatever the umask of the one who builds.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Games go where the platform keeps them: games/ under the prefix on Linux and the other
# Unix systems (/usr/games in the Debian package), bin/ on macOS. On Windows the archive
# holds the program and its README side by side at its top.
if(WIN32)
  set(GEEKPATH_DEFAULT_BINDIR ".")
  set(GEEKPATH_DEFAULT_DOCDIR ".")
elseif(APPLE)
  set(GEEKPATH_DEFAULT_BINDIR "${CMAKE_INSTALL_BINDIR}")
  set(GEEKPATH_DEFAULT_DOCDIR "${CMAKE_INSTALL_DOCDIR}")
else()
  set(GEEKPATH_DEFAULT_BINDIR "games")
  set(GEEKPATH_DEFAULT_DOCDIR "${CMAKE_INSTALL_DOCDIR}")
endif()
set(GEEKPATH_INSTALL_BINDIR "${GEEKPATH_DEFAULT_BINDIR}" CACHE STRING
    "Folder of the installed game, relative to the install prefix")
set(GEEKPATH_INSTALL_DOCDIR "${GEEKPATH_DEFAULT_DOCDIR}" CACHE STRING
    "Folder of the installed README, relative to the install prefix")

install(TARGETS geekpath RUNTIME DESTINATION "${GEEKPATH_INSTALL_BINDIR}" COMPONENT game)
# A stripped install (cmake --install --strip, and the packages) also drops the sections
# that only name the compiler, as Debian's own packaging does.
if(NOT WIN32 AND NOT APPLE AND CMAKE_OBJCOPY)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${GEEKPATH_INSTALL_BINDIR}/$<TARGET_FILE_NAME:geekpath>\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()" COMPONENT game)
endif()

if(WIN32)
  # Windows readers get the README as a text file with CR LF line ends.
  add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/README.txt
    COMMAND ${CMAKE_COMMAND} -DINPUT=${PROJECT_SOURCE_DIR}/README.md
            -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/README.txt -P ${PROJECT_SOURCE_DIR}/cmake/crlf.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/cmake/crlf.cmake
    COMMENT "Writing README.txt with CR LF line ends"
    VERBATIM)
  add_custom_target(geekpath_readme ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/README.txt)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION "${GEEKPATH_INSTALL_DOCDIR}" COMPONENT game)
else()
  # The manual page, compressed as man(1) and the Debian policy expect it: gzip -9, and
  # -n so that the archive holds neither the name nor the time of the source.
  # The page names the version: doc/geekpath.6.in becomes geekpath.6 in the build folder.
  configure_file(doc/geekpath.6.in ${CMAKE_CURRENT_BINARY_DIR}/geekpath.6 @ONLY)
  find_program(GEEKPATH_GZIP gzip REQUIRED)
  add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/geekpath.6.gz
    COMMAND ${GEEKPATH_GZIP} -9n -c ${CMAKE_CURRENT_BINARY_DIR}/geekpath.6 > ${CMAKE_CURRENT_BINARY_DIR}/geekpath.6.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/geekpath.6
    COMMENT "Compressing the manual page"
    VERBATIM)
  add_custom_target(geekpath_manpage ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/geekpath.6.gz)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/geekpath.6.gz DESTINATION "${CMAKE_INSTALL_MANDIR}/man6" COMPONENT game)
  install(FILES README.md doc/copyright DESTINATION "${GEEKPATH_INSTALL_DOCDIR}" COMPONENT game)
endif()

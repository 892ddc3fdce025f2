# The packages, made by CPack from the install rules of the component "game":
#   Linux and other Unix systems: a Debian package (.deb) and a tarball (.tar.gz);
#   Windows: a .zip with geekpath.exe and README.txt;
#   the web build: a .zip of the page's site, for any static host.
# cpack in the build folder writes them there (the "package" workflow preset does it all).

set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VENDOR "geekpath developers")
set(CPACK_PACKAGE_CONTACT "geekpath developers <maintainers@users.noreply.c-seed-b5fa774a.example>"
    CACHE STRING "The maintainer of the packages, as \"Name <address>\"")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "text-mode economic simulation of a computer geek's career")
set(CPACK_PACKAGE_DESCRIPTION "\
A single-player economic simulation for a character console, with all of its
screen texts in Russian. Starting with a weak home computer, a janitor's pay,
no money and no reputation, the player spends each day on one thing: buying
parts and games, playing games through, changing job, running computer clubs,
hacking, building a website, the lottery or online games. The game is won with
the best computer, the best job, money, reputation and all hacking missions,
and lost to debt.")
set(CPACK_RESOURCE_FILE_README "${PROJECT_SOURCE_DIR}/README.md")
set(CPACK_STRIP_FILES ON)
# Only the game's own files, whatever else the build may have install rules for.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};game;/")

if(EMSCRIPTEN)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME web)
  set(CPACK_STRIP_FILES OFF)
elseif(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(CPACK_SYSTEM_NAME win32)
  endif()
else()
  set(CPACK_GENERATOR DEB TGZ)
endif()

# Archives: geekpath-3.0-Linux.tar.gz unpacks into geekpath-3.0-Linux/.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

# The Debian package: /usr/games/geekpath, the manual page, the docs; files owned by root.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# What only the Debian package carries, its changelog, is the component "debian".
if(NOT WIN32 AND NOT EMSCRIPTEN)
  configure_file(doc/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
  add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
    COMMAND ${GEEKPATH_GZIP} -9n -c ${PROJECT_BINARY_DIR}/changelog > ${PROJECT_BINARY_DIR}/changelog.gz
    DEPENDS ${PROJECT_BINARY_DIR}/changelog
    VERBATIM)
  add_custom_target(geekpath_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
  install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION "${GEEKPATH_INSTALL_DOCDIR}"
          COMPONENT debian EXCLUDE_FROM_ALL)
endif()
set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_BINARY_DIR}/geekpath-cpack-generators.cmake")
file(WRITE "${CPACK_PROJECT_CONFIG_FILE}" "\
if(CPACK_GENERATOR STREQUAL \"DEB\")
  set(CPACK_INSTALL_CMAKE_PROJECTS \"${PROJECT_BINARY_DIR};${PROJECT_NAME};game;/;${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/\")
endif()
")

include(CPack)

# geekpath_add_sessions(PREFIX <prefix> [WINDOWS] COMMAND <command> [<arg>...])
#
# Registers one test <prefix>.<folder> for every folder below tests/sessions that holds an
# input file: run-session plays that folder's script through the command, which is the
# game with whatever runs it in front (an emulator, say). A new folder is picked up when
# the build configures again, which it does by itself on the next build. WINDOWS says the
# game is the Windows build, whose SCORES.txt has CR LF line ends.
set(GEEKPATH_SESSIONS_DIR ${CMAKE_CURRENT_LIST_DIR})

function(geekpath_add_sessions)
  cmake_parse_arguments(PARSE_ARGV 0 ARG "WINDOWS" "PREFIX" "COMMAND")
  if(NOT ARG_PREFIX OR NOT ARG_COMMAND)
    message(FATAL_ERROR "geekpath_add_sessions needs PREFIX and COMMAND")
  endif()
  file(GLOB inputs CONFIGURE_DEPENDS ${GEEKPATH_SESSIONS_DIR}/*/input)
  foreach(input IN LISTS inputs)
    get_filename_component(folder ${input} DIRECTORY)
    get_filename_component(name ${folder} NAME)
    if(ARG_WINDOWS)
      add_test(NAME ${ARG_PREFIX}.${name} COMMAND ${GEEKPATH_SESSIONS_DIR}/run-session --windows ${folder} ${ARG_COMMAND})
    else()
      add_test(NAME ${ARG_PREFIX}.${name} COMMAND ${GEEKPATH_SESSIONS_DIR}/run-session ${folder} ${ARG_COMMAND})
    endif()
  endforeach()
endfunction()

# The game compiled to WebAssembly, in two wrappers of the same build:
#   site/            the static page: index.html, its script and style, the terminal
#                    widget from npm, and the game's geekpath.js and geekpath.wasm
#   geekpath-node    the same game under Node.js, on standard input and output and the
#                    working folder, for scripts and tests
# The game's screens await the player's keys through Asyncify, which suspends the
# WebAssembly stack while a read is pending.

set(GEEKPATH_SITE_DIR ${CMAKE_BINARY_DIR}/site)

set_target_properties(geekpath PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${GEEKPATH_SITE_DIR})
target_link_options(geekpath PRIVATE
  -sASYNCIFY
  -sASYNCIFY_STACK_SIZE=16384
  -sMODULARIZE=1
  -sEXPORT_NAME=createGeekpath
  -sENVIRONMENT=web,node
  # The page runs under a Content-Security-Policy without 'unsafe-eval'.
  -sDYNAMIC_EXECUTION=0
  -sALLOW_MEMORY_GROWTH=1
  -sFILESYSTEM=0
  # The page and the runner start the game themselves, with ccall, and learn when it ends.
  -sINVOKE_RUN=0
  -sEXPORTED_FUNCTIONS=_main,_malloc,_free
  -sEXPORTED_RUNTIME_METHODS=ccall)

# The runner, beside the site whose game it starts.
configure_file(${PROJECT_SOURCE_DIR}/src/platform/web/geekpath-node.js ${CMAKE_BINARY_DIR}/geekpath-node COPYONLY)
file(CHMOD ${CMAKE_BINARY_DIR}/geekpath-node PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

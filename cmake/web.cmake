# The game compiled to WebAssembly, in two wrappers of the same build:
#   site/            the static page: index.html, its script (web/'s modules in one file)
#                    and style, the terminal widget from npm, the game's geekpath.js and
#                    geekpath.wasm, the manifest's icons and the service worker that keeps
#                    the site offline
#   geekpath-node    the same game under Node.js, on standard input and output and the
#                    working folder, for scripts and tests
# The game's screens await the player's keys through Asyncify, which suspends the
# WebAssembly stack while a read is pending.

set(GEEKPATH_SITE_DIR ${CMAKE_BINARY_DIR}/site)

# The calls the game makes on its host lead every program of the web platform, which
# checks its host against them.
set(GEEKPATH_HOST_CALLS ${PROJECT_SOURCE_DIR}/src/platform/web/host.js)
target_link_options(geekpath_lib INTERFACE "SHELL:--pre-js ${GEEKPATH_HOST_CALLS}")
set_property(TARGET geekpath_lib APPEND PROPERTY INTERFACE_LINK_DEPENDS ${GEEKPATH_HOST_CALLS})

target_sources(geekpath PRIVATE ${PROJECT_SOURCE_DIR}/src/shell/page_exports.cpp)
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
  -sEXPORTED_FUNCTIONS=_main,_malloc,_free,_geekpath_is_save_file,_geekpath_slot_summary,_geekpath_slot_file_name,_geekpath_score_file_name,_geekpath_key_add,_geekpath_key_end
  -sEXPORTED_RUNTIME_METHODS=ccall)

# The runner, beside the site whose game it starts.
configure_file(${PROJECT_SOURCE_DIR}/src/platform/web/geekpath-node.js ${CMAKE_BINARY_DIR}/geekpath-node COPYONLY)
file(CHMOD ${CMAKE_BINARY_DIR}/geekpath-node PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The page: its own files from web/, and the terminal widget and its fit addon from npm (npm
# ci installs them into node_modules/ when package-lock.json is newer than the last install).
set(GEEKPATH_NPM_STAMP ${PROJECT_SOURCE_DIR}/node_modules/.package-lock.json)
add_custom_command(OUTPUT ${GEEKPATH_NPM_STAMP}
  COMMAND npm ci --no-audit --no-fund
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  DEPENDS ${PROJECT_SOURCE_DIR}/package.json ${PROJECT_SOURCE_DIR}/package-lock.json
  COMMENT "npm ci: the terminal widget, its fit addon, the page's bundler and the web tests' packages")
# The page's script: page.js with every module it imports (the fit addon's too) in one file,
# which the browser fetches and compiles as one, made by esbuild from npm. The widget stays a
# file of its own, which the page loads beside it (index.html). Comments are left out.
file(GLOB GEEKPATH_PAGE_MODULES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/web/*.js)
# The service worker is written by the seal below, not bundled.
list(REMOVE_ITEM GEEKPATH_PAGE_MODULES ${PROJECT_SOURCE_DIR}/web/service-worker.js)
add_custom_command(OUTPUT ${GEEKPATH_SITE_DIR}/page.js
  COMMAND ${PROJECT_SOURCE_DIR}/node_modules/.bin/esbuild web/page.js --bundle --format=esm
    --charset=utf8 --legal-comments=none --external:./xterm.mjs --log-level=warning
    --outfile=${GEEKPATH_SITE_DIR}/page.js
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  DEPENDS ${GEEKPATH_PAGE_MODULES} ${GEEKPATH_NPM_STAMP}
  COMMENT "Bundling the page's script")
set(GEEKPATH_SITE_FILES ${GEEKPATH_SITE_DIR}/page.js)
# The page's other files, and the widget's.
file(GLOB GEEKPATH_PAGE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/web/*)
list(REMOVE_ITEM GEEKPATH_PAGE_FILES ${GEEKPATH_PAGE_MODULES} ${PROJECT_SOURCE_DIR}/web/service-worker.js)
set(GEEKPATH_WIDGET_FILES
  ${PROJECT_SOURCE_DIR}/node_modules/@xterm/xterm/lib/xterm.mjs
  ${PROJECT_SOURCE_DIR}/node_modules/@xterm/xterm/css/xterm.css)
foreach(file IN LISTS GEEKPATH_PAGE_FILES GEEKPATH_WIDGET_FILES)
  get_filename_component(name ${file} NAME)
  # The widget's files have no rule of their own: npm ci makes them, and its stamp stands
  # for them (on a fresh clone they do not exist yet when make reads the rules).
  set(source ${file})
  if(file IN_LIST GEEKPATH_WIDGET_FILES)
    set(source)
  endif()
  add_custom_command(OUTPUT ${GEEKPATH_SITE_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${GEEKPATH_SITE_DIR}/${name}
    DEPENDS ${source} ${GEEKPATH_NPM_STAMP})
  list(APPEND GEEKPATH_SITE_FILES ${GEEKPATH_SITE_DIR}/${name})
endforeach()

# The icons that the manifest names, drawn by a script of the project.
set(GEEKPATH_ICONS ${GEEKPATH_SITE_DIR}/icon-192.png ${GEEKPATH_SITE_DIR}/icon-512.png)
add_custom_command(OUTPUT ${GEEKPATH_ICONS}
  COMMAND ${NODE_JS_EXECUTABLE} ${PROJECT_SOURCE_DIR}/cmake/web/icons.mjs ${GEEKPATH_SITE_DIR}
  DEPENDS ${PROJECT_SOURCE_DIR}/cmake/web/icons.mjs
  COMMENT "Drawing the site's icons")

# The seal, once every other file of the site is built: the service worker, led by the
# build's name (a digest of the site's files) and every file's digest, which it caches.
add_custom_command(OUTPUT ${GEEKPATH_SITE_DIR}/service-worker.js
  COMMAND ${NODE_JS_EXECUTABLE} ${PROJECT_SOURCE_DIR}/cmake/web/seal.mjs ${GEEKPATH_SITE_DIR}
    ${PROJECT_SOURCE_DIR}/web/service-worker.js
  DEPENDS ${GEEKPATH_SITE_FILES} ${GEEKPATH_ICONS} geekpath
    ${PROJECT_SOURCE_DIR}/web/service-worker.js ${PROJECT_SOURCE_DIR}/cmake/web/seal.mjs
  COMMENT "Sealing the site: its service worker and the build's name")
add_custom_target(site ALL DEPENDS ${GEEKPATH_SITE_FILES} ${GEEKPATH_ICONS} ${GEEKPATH_SITE_DIR}/service-worker.js)

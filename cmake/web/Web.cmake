# The browser build, cross-compiled with emscripten against the Qt of tools/web/build-qt: the
# program as a page (a folder of static files and a ZIP of it, for any web server), and the
# logic tests run under node.

set(DRILL_WEB_SITE_NAME rovororezovered-${PROJECT_VERSION}-web)
set(DRILL_WEB_SITE ${CMAKE_BINARY_DIR}/${DRILL_WEB_SITE_NAME})

# drill_web_page(target folder): `target` linked for a page, and the page's folder made afresh at
# every link: index.html (the page, in Italian, its icon inside it) with its script pagina.js,
# the program's script and WebAssembly, and Qt's loader.
function(drill_web_page target folder)
  # Message boxes wait for their answer in exec(): in a page that needs ASYNCIFY, which lets the
  # program wait without blocking the browser. Built for size, the download the school's
  # devices make.
  target_link_options(${target} PRIVATE "SHELL:-s ASYNCIFY" -Os)
  # The icon inside the page, as a data address: a separate file would be one more request
  # after the page has loaded.
  file(READ ${PROJECT_SOURCE_DIR}/resources/${DRILL_APP_ID}.svg icona)
  string(REPLACE "%" "%25" icona "${icona}")
  foreach(da_a "#|%23" "<|%3C" ">|%3E" "\"|'" "\n| ")
    string(REPLACE "|" ";" da_a "${da_a}")
    list(GET da_a 0 da)
    list(GET da_a 1 a)
    string(REPLACE "${da}" "${a}" icona "${icona}")
  endforeach()
  set(DRILL_ICON_URL "data:image/svg+xml,${icona}")
  set(DRILL_WEB_MODULE ${target})
  # The WebAssembly's size is known once it is linked: written in below.
  set(DRILL_WASM_BYTES "@DRILL_WASM_BYTES@")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/web/index.html.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${target}-index.html @ONLY)
  # The folder is made when the target links: a changed page links it again.
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
               ${CMAKE_CURRENT_BINARY_DIR}/${target}-index.html
               ${PROJECT_SOURCE_DIR}/cmake/web/pagina.js)
  set(dir $<TARGET_FILE_DIR:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${folder}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${dir}/${target}.js ${dir}/${target}.wasm ${dir}/qtloader.js
            ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/cmake/web/pagina.js ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_BINARY_DIR}/${target}-index.html
            ${folder}/index.html
    COMMAND ${CMAKE_COMMAND} -DPAGE=${folder}/index.html -DWASM=${folder}/${target}.wasm
            -P ${PROJECT_SOURCE_DIR}/cmake/web/TagliaNellaPagina.cmake
    VERBATIM)
endfunction()

# drill_web_program(target): the program's page in DRILL_WEB_SITE, and its ZIP beside it.
function(drill_web_program target)
  drill_web_page(${target} ${DRILL_WEB_SITE})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}
            ${CMAKE_COMMAND} -E tar cf ${DRILL_WEB_SITE_NAME}.zip --format=zip ${DRILL_WEB_SITE_NAME}
    COMMENT "The page in ${DRILL_WEB_SITE_NAME}/ and ${DRILL_WEB_SITE_NAME}.zip"
    VERBATIM)
endfunction()

# The logic tests run under node (which must not fetch the WebAssembly it loads from a path).
set(CMAKE_CROSSCOMPILING_EMULATOR node --no-experimental-fetch ${PROJECT_SOURCE_DIR}/tests/web/node.js)

# Run at the end of a page's link (cmake -P): writes the size of the program's WebAssembly, which
# the page shows the download's progress against, into the page.
#   -DPAGE=the page's index.html (changed in place) -DWASM=the .wasm file
file(SIZE "${WASM}" bytes)
file(READ "${PAGE}" page)
string(REPLACE "@DRILL_WASM_BYTES@" "${bytes}" page "${page}")
file(WRITE "${PAGE}" "${page}")

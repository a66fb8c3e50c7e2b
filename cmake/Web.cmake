# Web.cmake: the web tree (the `web` preset, Debian's Emscripten): the game and the shared window in
# WebAssembly behind the page, the page and its site, and their tests under node and in browsers.

# Emscripten's JavaScript tools need Debian's acorn, which a node not from Debian (nodesource, nvm)
# finds only through NODE_PATH; Debian's own node finds it either way.
set(CMAKE_CXX_LINKER_LAUNCHER "${CMAKE_COMMAND}" -E env NODE_PATH=/usr/share/nodejs)
# Every program is one file with its WebAssembly inside: Emscripten 3.1.6's output would otherwise
# fetch() its .wasm, which the page's policy forbids and node 18 and later fail at.
add_link_options(-sSINGLE_FILE=1)

add_subdirectory(puzzle)
add_subdirectory(window)
# The page is built without exceptions and type information: so is what it takes of the shared
# window, where a bad index then stops the program instead of bringing in the machinery to throw.
target_compile_options(window PRIVATE -fno-exceptions -fno-rtti)
add_subdirectory(web)

if(BUILD_TESTING)
    include(GoogleTestFromSource)
    add_subdirectory(tests/support/core)
    add_subdirectory(tests/puzzle)
    add_subdirectory(tests/page)
    add_subdirectory(tests/web)
endif()

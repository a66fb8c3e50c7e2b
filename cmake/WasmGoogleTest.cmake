# WasmGoogleTest.cmake: GoogleTest for the web tree, built from Debian's sources to WebAssembly.
#
# Emscripten has no GoogleTest of its own, so the sources in /usr/src/googletest (Debian's
# googletest package, which libgtest-dev pulls in) are built here and offered under the names
# find_package(GTest) gives on the host: GTest::gtest and GTest::gtest_main. A test program that
# links them runs under node, through CMAKE_CROSSCOMPILING_EMULATOR, as one self-contained .js.
set(PEBBLIX_GOOGLETEST_SOURCE_DIR /usr/src/googletest
    CACHE PATH "GoogleTest's sources, built for the WebAssembly tests")
if(NOT EXISTS "${PEBBLIX_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt")
    message(FATAL_ERROR "No GoogleTest sources in ${PEBBLIX_GOOGLETEST_SOURCE_DIR}: install "
                        "libgtest-dev, or set PEBBLIX_GOOGLETEST_SOURCE_DIR")
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory("${PEBBLIX_GOOGLETEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
# Its own sources are not ours to keep free of warnings.
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)

# The soak-length tests need more than the first heap.
target_link_options(gtest INTERFACE -sALLOW_MEMORY_GROWTH=1)
if(NOT TARGET GTest::gtest_main) # GoogleTest 1.11 and later name them so themselves
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
endif()

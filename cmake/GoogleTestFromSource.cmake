# GoogleTestFromSource.cmake: GoogleTest built from Debian's sources, for the trees whose compiler
# makes programs for elsewhere: the web tree's (WebAssembly, run under node) and the Windows tree's
# (MinGW-w64, run under Wine).
#
# Neither compiler has a GoogleTest of its own, so the sources in /usr/src/googletest (Debian's
# googletest package, which libgtest-dev pulls in) are built here; from version 1.11 on they name
# their targets as find_package(GTest) does on the host: GTest::gtest and GTest::gtest_main. A test
# program that links them runs through CMAKE_CROSSCOMPILING_EMULATOR.
set(PEBBLIX_GOOGLETEST_SOURCE_DIR /usr/src/googletest
    CACHE PATH "GoogleTest's sources, built for the tests of this tree")
if(NOT EXISTS "${PEBBLIX_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt")
    message(FATAL_ERROR "No GoogleTest sources in ${PEBBLIX_GOOGLETEST_SOURCE_DIR}: install "
                        "googletest, or set PEBBLIX_GOOGLETEST_SOURCE_DIR")
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory("${PEBBLIX_GOOGLETEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
# Its own sources are not ours to keep free of warnings.
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)

if(EMSCRIPTEN)
    # The soak-length tests need more than the first heap.
    target_link_options(gtest INTERFACE -sALLOW_MEMORY_GROWTH=1)
endif()

# Windows.cmake: the Windows tree (the `windows` preset, MinGW-w64 on Debian): the game and the
# shared window behind the system's own controls, the portable program and its installer, their
# tests under Wine and the benchmarks.
add_subdirectory(puzzle)
add_subdirectory(window)
add_subdirectory(win32)

if(BUILD_TESTING)
    include(GoogleTestFromSource)
    add_subdirectory(tests/support/core)
    add_subdirectory(tests/support/win32)
    add_subdirectory(tests/win32)
endif()

if(PEBBLIX_BUILD_BENCH)
    add_subdirectory(bench/win32)
endif()

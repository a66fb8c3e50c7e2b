# Desktop.cmake: the desktop tree: the game in its Qt window, the menu entry and the package, the
# tests and the benchmarks.
add_subdirectory(puzzle)
add_subdirectory(window)

find_package(Qt6 6.3 REQUIRED COMPONENTS Widgets)
qt_standard_project_setup()
add_subdirectory(qt)

# What the tests and the benchmarks share, with GoogleTest and QtTest, found here so that every
# folder of them sees them.
if(BUILD_TESTING)
    find_package(GTest REQUIRED)
endif()
if(BUILD_TESTING OR PEBBLIX_BUILD_BENCH)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    add_subdirectory(tests/support/core)
    add_subdirectory(tests/support/qt)
endif()

# The menu entry, icons and metainfo, and the Debian package. They need dpkg-dev and Pillow, which
# a player who only builds the game (the `play` preset) goes without.
option(PEBBLIX_PACKAGING "Build the menu entry, icons, metainfo, manual pages and package" ON)
if(PEBBLIX_PACKAGING)
    add_subdirectory(packaging)
elseif(BUILD_TESTING)
    message(FATAL_ERROR "The tests check the packaging and the icons: configure with "
                        "-DPEBBLIX_PACKAGING=ON, or with -DBUILD_TESTING=OFF")
endif()

if(BUILD_TESTING)
    add_subdirectory(tests/play)
    add_subdirectory(tests/puzzle)
    add_subdirectory(tests/qt)
    add_subdirectory(tests/soak)
endif()

if(PEBBLIX_BUILD_BENCH)
    add_subdirectory(bench)
endif()

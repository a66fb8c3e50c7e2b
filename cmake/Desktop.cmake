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

# The menu entry, icons, metainfo and manual pages, which the Debian package (debian/) takes. They
# need dpkg-dev, which a player who only builds the game (the `play` preset) goes without.
option(PEBBLIX_PACKAGING "Install the menu entry, icons, metainfo and manual pages" ON)
if(PEBBLIX_PACKAGING)
    add_subdirectory(packaging)
elseif(BUILD_TESTING)
    message(FATAL_ERROR "The tests check the packaging: configure with "
                        "-DPEBBLIX_PACKAGING=ON, or with -DBUILD_TESTING=OFF")
endif()

if(BUILD_TESTING)
    add_subdirectory(tests/play)
    add_subdirectory(tests/puzzle)
    add_subdirectory(tests/qt)
    add_subdirectory(tests/soak)
    add_subdirectory(tests/packaging)
endif()

if(PEBBLIX_BUILD_BENCH)
    add_subdirectory(bench)
endif()

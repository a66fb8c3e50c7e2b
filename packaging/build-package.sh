#!/bin/sh
# build-package.sh: builds the game's Debian package as a distribution builds its own packages.
#
#   sh build-package.sh SOURCE_DIR BUILD_DIR
#
# The tree is configured from the `package` preset: for /usr with the program in /usr/games, where
# Debian puts games, and compiled with the distribution's flags; the package lands in BUILD_DIR.
# `sh setup.sh package` and the package tests both build it through here, so the tests check what
# users install. CMAKE and CPACK name the tools when they are not the ones on the PATH.
set -eu

source=$1 build=$2
cmake=${CMAKE:-cmake} cpack=${CPACK:-cpack}
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac

cd "$source"
# The distribution's hardening: position-independent code, -fstack-protector-strong,
# _FORTIFY_SOURCE and full RELRO by default, and BIND_NOW through +all. dpkg-buildflags also maps
# the source folder to "." in the debug information, so builds in different places agree. CMake
# takes CXXFLAGS and LDFLAGS as the tree's flags when it first configures it; the preset's build
# type None adds none of its own, as in Debian's own CMake builds. The package strips the program.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS

"$cmake" --preset package -B "$build"
"$cmake" --build "$build"
rm -f "$build"/*.deb
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$build"

#!/bin/sh
# play-build.sh: configures a scratch tree from the `play` preset with every package that only the
# tests, the benchmarks or the package's files use made unfindable, then builds the game in it.
#
#   sh play-build.sh CMAKE SOURCE_DIR SCRATCH_DIR
#
# A find_package of a test-only package, or the changelog's reader, that the play build reaches
# fails the configuration here, as it would on a player's machine that lacks it.
set -eu

cmake=$1 source=$2 tree=$3

rm -rf "$tree"
cd "$source"
"$cmake" --preset play -B "$tree" \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    -DPEBBLIX_DPKG_PARSECHANGELOG=/nonexistent/dpkg-parsechangelog
"$cmake" --build "$tree" --target pebblix
test -x "$tree/qt/pebblix"
echo "the play build needs no test package"

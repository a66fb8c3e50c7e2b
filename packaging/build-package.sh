#!/bin/sh
# build-package.sh: builds the game's Debian packages, source and binary, with dpkg-buildpackage.
#
#   sh build-package.sh SOURCE_DIR OUT_DIR
#
# dpkg-buildpackage writes its results beside the tree it builds, so it builds a copy in OUT_DIR of
# the files Git tracks (outside a checkout, or without Git, of everything but the build trees).
# The packages, the .changes and the build's log, build.log, land in OUT_DIR.
set -eu

source=$1 out=$2
mkdir -p "$out"
out=$(cd "$out" && pwd)
cd "$source"
tree="$out/pebblix-$(dpkg-parsechangelog -S Version)"
rm -rf "$tree" "$out"/pebblix_* "$out"/pebblix-dbgsym_* "$out/build.log"
mkdir "$tree"
if [ -e .git ] && command -v git >/dev/null; then
    git ls-files -z | tar --null -T - -cf - | tar -xf - -C "$tree"
else
    tar --exclude=./.git --exclude=./build --exclude=./dist -cf - . | tar -xf - -C "$tree"
fi
cd "$tree"
echo "Building the packages in $out (the log: $out/build.log)"
dpkg-buildpackage -us -uc -Jauto >"$out/build.log" 2>&1 || {
    tail -n 60 "$out/build.log"
    exit 1
}
ls "$out"/pebblix*_*

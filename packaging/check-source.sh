#!/bin/sh
# check-source.sh: makes the source tarball of a build tree and checks that it stands on its own.
#
#   sh check-source.sh CMAKE BUILD_DIR SCRATCH_DIR VERSION
#
# The tarball unpacks into one folder, pebblix-VERSION, whose own CMakeLists.txt names that version
# (a release whose version change is not yet committed would not); unpacked, it configures, so the
# build needs no file that Git does not track; and there, outside a checkout, it makes no tarball.
set -eu

cmake=$1 build=$2 out=$3 version=$4
top=pebblix-$version
tarball=$build/$top.tar.gz

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}
# run LOG COMMAND...: runs the command with its output in LOG, shown only if it fails.
run() {
    log=$1
    shift
    "$@" >"$log" 2>&1 || {
        cat "$log"
        return 1
    }
}

rm -rf "$out" "$tarball"
mkdir -p "$out"
run "$out/make.log" "$cmake" --build "$build" --target source_tarball
tops=$(tar -tzf "$tarball" | cut -d / -f 1 | sort -u)
if [ "$tops" != "$top" ]; then
    echo "FAIL: $tarball unpacks into $(echo "$tops" | tr '\n' ' ')instead of $top/ alone"
    exit 1
fi

tar -xzf "$tarball" -C "$out"
if run "$out/configure.log" "$cmake" -S "$out/$top" -B "$out/tree" -G Ninja -DBUILD_TESTING=OFF
then
    named=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$out/tree/CMakeCache.txt")
    [ "$named" = "$version" ] || fail "$top/CMakeLists.txt names version $named"
    if "$cmake" --build "$out/tree" --target source_tarball >"$out/refusal.log" 2>&1 ||
        [ -e "$out/tree/$top.tar.gz" ]; then
        fail "the unpacked tree made a tarball of its own"
    fi
else
    fail "the unpacked tarball does not configure"
fi

[ "$failed" -eq 0 ] && echo "$top.tar.gz holds one folder that configures on its own"
exit "$failed"

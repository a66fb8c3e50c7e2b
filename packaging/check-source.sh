#!/bin/sh
# check-source.sh: makes the source tarball of a build tree and checks what it holds.
#
#   sh check-source.sh CPACK BUILD_DIR SCRATCH_DIR SOURCE_DIR
#
# The tarball has one top folder, pebblix-<version>; no build tree, no Git metadata and nothing
# else Git ignores; and, where SOURCE_DIR is the top of a Git checkout, every file Git tracks there.
set -eu

cpack=$1 build=$2 out=$3 source=$4

rm -rf "$out"
mkdir -p "$out"
"$cpack" --config "$build/CPackSourceConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log"
    exit 1
}
set -- "$out"/pebblix-*.tar.gz
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "FAIL: expected one tarball in $out, found: $*"
    exit 1
fi
tarball=$1
top=$(basename "$tarball" .tar.gz)

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

export LC_ALL=C
listing=$(tar -tzf "$tarball" | sed 's:/$::' | sort)
outside=$(echo "$listing" | grep -v "^$top\\(/\\|\$\\)" || true)
[ -z "$outside" ] || fail "outside $top/: $outside"
echo "$listing" | sed -n "s:^$top/::p" >"$out/listed"
for file in LICENSE CMakeLists.txt setup.sh packaging/changelog; do
    grep -qxF "$file" "$out/listed" || fail "no $file"
done
! grep -Eq '^(build|\.git)(/|$)' "$out/listed" || fail "a build tree or Git's metadata is in it"

# Only the checkout's own top counts: a tree unpacked inside another checkout is none.
if command -v git >/dev/null 2>&1 && [ -e "$source/.git" ]; then
    # Nothing Git ignores; every file Git tracks that is in the tree (another may be mid-move).
    ignored=$(git -C "$source" check-ignore --no-index --stdin <"$out/listed" || true)
    [ -z "$ignored" ] || fail "ignored by Git: $ignored"
    missing=$(cd "$source" && git ls-files | while read -r path; do
        [ ! -e "$path" ] || echo "$path"
    done | sort | comm -23 - "$out/listed")
    [ -z "$missing" ] || fail "tracked but left out: $missing"
fi

[ "$failed" -eq 0 ] && echo "$(basename "$tarball") holds the source and nothing else"
exit "$failed"

#!/bin/sh
# check-policy.sh: runs on a built Debian package what a distribution's maintainer runs on it:
# lintian on the package, and hardening-check (where devscripts is installed) on its program.
#
#   sh check-policy.sh BUILD_DIR
#
# Any lintian tag fails, info tags included; none is accepted today. A tag that cannot be fixed is
# to be named here with its reason and passed to --suppress-tags. BUILD_DIR is the tree that
# build-package.sh built and packed.
set -eu

build=$1

set -- "$build"/*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "FAIL: expected one package in $build, found: $*"
    exit 1
fi
deb=$1

failed=0
# lintian's own complaints go to stderr, among them one about being run as root, which says
# nothing about the package and is dropped.
if ! lintian -I --fail-on error,warning,info "$deb" 2>"$build/lintian.stderr"; then
    grep -v 'running with root privileges' "$build/lintian.stderr" || true
    echo "FAIL: lintian -I $deb"
    failed=1
fi

if command -v hardening-check >/dev/null 2>&1; then
    root="$build/policy-root"
    rm -rf "$root"
    dpkg-deb -x "$deb" "$root"
    commands="$build/compile_commands.json"
    # hardening-check sees fortification only in calls to glibc's checking functions
    # (__memcpy_chk and the like), which the compiler makes where it knows a buffer's size. No call
    # in this game gives it one: its memcpy and memmove come from Qt's and the standard library's
    # containers, sized at run time (at _FORTIFY_SOURCE=3 as well). So hardening-check finds "only
    # unprotected functions" in a program compiled with fortification; the compile commands are
    # checked for it instead.
    if grep '"command"' "$commands" | grep -qv -- '-D_FORTIFY_SOURCE=[23] '; then
        echo "FAIL: compiled without -D_FORTIFY_SOURCE=2 or 3 (see $commands)"
        failed=1
    fi
    report=$(hardening-check --nofortify "$root/usr/games/pebblix" 2>&1) || true
    # What the distribution asks of every program, and so of this one.
    for protection in 'Position Independent Executable' 'Stack protected' \
        'Read-only relocations' 'Immediate binding'; do
        echo "$report" | grep -q "^ $protection: yes" || {
            echo "FAIL: hardening-check: $protection"
            failed=1
        }
    done
    # hardening-check asks for more than some toolchains give any program: Debian 13's C start
    # files carry no control-flow protection marks, so nothing linked with them has them, and
    # branch protection is for arm64. A program of one line built with the package's compiler and
    # flags shows what they give; the game must have every protection that it has.
    cache="$build/CMakeCache.txt"
    value() { sed -n "s/^$1:[A-Z]*=//p" "$cache"; }
    probe="$build/hardening-probe"
    echo 'int main() { return 0; }' >"$probe.cpp"
    # shellcheck disable=SC2046 # the flags are words
    "$(value CMAKE_CXX_COMPILER)" $(value CMAKE_CXX_FLAGS) $(value CMAKE_EXE_LINKER_FLAGS) \
        "$probe.cpp" -o "$probe"
    for protection in $(hardening-check "$probe" | sed -n 's/^ \(.*\): yes$/\1/p' | tr ' ' '_'); do
        protection=$(echo "$protection" | tr '_' ' ')
        echo "$report" | grep -q "^ $protection: yes" || {
            echo "FAIL: hardening-check: $protection, which the toolchain gives"
            failed=1
        }
    done
    [ "$failed" -eq 0 ] || echo "$report"
fi

[ "$failed" -eq 0 ] && echo "$(basename "$deb") passes lintian and hardening-check"
exit "$failed"

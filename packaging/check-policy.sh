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
    set -- --nofortify
    # Control-flow protection is required where the distribution's flags ask for it (Debian 13 on
    # amd64 does, Debian 12 does not).
    grep -q -- '-fcf-protection' "$commands" || set -- "$@" --nocfprotection
    hardening-check "$@" "$root/usr/games/pebblix" || failed=1
fi

[ "$failed" -eq 0 ] && echo "$(basename "$deb") passes lintian and hardening-check"
exit "$failed"

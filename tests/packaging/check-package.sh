#!/bin/sh
# check-package.sh: runs on the built packages what a distribution's maintainer runs on them:
# lintian on the source and binary packages, and blhc on the build's log, which finds every
# compiler and linker call that lacks one of the hardening flags. And the menu entry must start the
# program that the package holds.
#
#   sh check-package.sh OUT_DIR
#
# OUT_DIR is where build-package.sh built them. Any lintian tag fails, pedantic and info tags
# included, but for those passed to --suppress-tags below, each named with its reason.
set -eu

out=$1

set -- "$out"/pebblix_*.changes
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "FAIL: expected one .changes in $out, found: $*"
    exit 1
fi
changes=$1

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

# The same source builds on Debian 12 and 13: its Standards-Version is the newest that Debian 12's
# lintian knows (a newer one is a warning there), which Debian 13's lintian calls out of date.
suppressed=out-of-date-standards-version
# lintian's own complaints go to stderr, among them one about being run as root, which says
# nothing about the package and is dropped.
if ! lintian -I --pedantic --fail-on error,warning,info,pedantic --suppress-tags "$suppressed" \
    "$changes" 2>"$out/lintian.stderr"; then
    grep -v 'running with root privileges' "$out/lintian.stderr" || true
    fail "lintian -I --pedantic $changes"
fi
# Immediate binding is asked for (debian/rules), so blhc is told to expect it everywhere too.
blhc --bindnow "$out/build.log" || fail "blhc --bindnow $out/build.log"

# The menu entry names the program by its full path.
deb=$(ls "$out"/pebblix_*.deb)
root="$out/root"
rm -rf "$root"
dpkg-deb -x "$deb" "$root"
program=$(sed -n 's/^Exec=//p' "$root"/usr/share/applications/*.desktop)
[ -f "$root$program" ] && [ -x "$root$program" ] ||
    fail "the menu entry starts '$program', which $(basename "$deb") does not hold"

[ "$failed" -eq 0 ] && echo "$(basename "$changes") passes lintian and blhc"
exit "$failed"

#!/bin/sh
# check-manual.sh: checks the built manual pages as man shows them, and that they name the window's
# commands in the window's own words.
#
#   sh check-manual.sh MAN_DIR DESCRIPTION_HEADER
#
# MAN_DIR holds man6/pebblix.6.gz and bg/man6/pebblix.6.gz as they are installed; the header is the
# window's description, from which the seven command buttons' captions are read.
set -eu

man=$1 description=$2

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

captions=$(sed -n 's/.*Button([0-9], "\([^"]*\)".*/\1/p' "$description")
count=$(echo "$captions" | grep -c . || true)
[ "$count" -eq 7 ] || fail "$description: $count command buttons read, not 7"

for page in "$man/man6/pebblix.6.gz" "$man/bg/man6/pebblix.6.gz"; do
    if ! gzip -t "$page"; then
        fail "$page: not a gzip file"
        continue
    fi
    # Each command button has a paragraph of its own, headed by its caption.
    missing=$(echo "$captions" | while read -r caption; do
        zcat "$page" | grep -qxF ".B \"$caption\"" || echo "$caption"
    done)
    [ -z "$missing" ] || fail "$page has no paragraph for: $missing"
    # As lintian renders manual pages: any message from man or groff is a fault of the page.
    errors=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || echo "man failed")
    [ -z "$errors" ] || fail "man --warnings -l $page: $errors"
done

[ "$failed" -eq 0 ] && echo "the manual pages render cleanly and name every command"
exit "$failed"

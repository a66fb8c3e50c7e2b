#!/bin/sh
# check-manual.sh: checks the built manual pages as man shows them, and that they name the window's
# commands in the window's own words.
#
#   sh check-manual.sh MAN_DIR WINDOW_EXPORT
#
# MAN_DIR holds man6/pebblix.6.gz and bg/man6/pebblix.6.gz as they are installed; the export is the
# window's description as JSON (page.json), from which the command buttons' captions are read.
set -eu

man=$1 export=$2

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

captions=$(python3 -c 'import json, sys
for control in json.load(open(sys.argv[1], encoding="utf-8"))["controls"]:
    if control["kind"] == "CommandButton":
        print(control["text"])' "$export")
[ -n "$captions" ] || fail "$export: no command buttons read"

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

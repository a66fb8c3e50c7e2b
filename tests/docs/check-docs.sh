#!/bin/sh
# check-docs.sh SOURCE_DIR: the README names every command that setup.sh takes and no other, and
# every link of the README and the guides leads to a file of the tree.
set -eu
cd "$1"
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

# setup.sh's modes, from the one line of its `case` that lists them.
takes=$(sed -n 's/^\([a-z][a-z |]*\)) ;;$/\1/p' setup.sh | tr -d ' ' | tr '|' '\n' | sort)
named=$(grep -o 'sh setup\.sh [a-z]*' README.md | cut -d' ' -f3 | sort -u)
[ -n "$takes" ] || fail "setup.sh lists no mode"
[ "$takes" = "$named" ] || fail "setup.sh takes: $(echo $takes); the README names: $(echo $named)"

for doc in README.md docs/*.md; do
    for link in $(grep -o '](\([^)]*\))' "$doc" | sed 's/^](\(.*\))$/\1/; s/#.*//'); do
        case "$link" in
        http://* | https://* | mailto:* | "") ;;
        *) [ -e "$(dirname "$doc")/$link" ] || fail "$doc links to $link, which is not there" ;;
        esac
    done
done
[ "$failed" -eq 0 ] && echo "the README's commands and the guides' links hold"
exit "$failed"

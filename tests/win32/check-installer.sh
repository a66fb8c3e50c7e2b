#!/bin/sh
# check-installer.sh INSTALLER PROGRAM: under Wine's msiexec, the installer puts the program under
# Program Files with a Start-menu entry and an uninstall entry; the program starts from the entry
# and closes as its close box closes it; uninstalling leaves no file and no registry key behind.
# Then a run of the portable program adds no file and no registry key to the prefix.
set -eu
here=$(dirname "$0")
installer=$1
program=$2
run() { sh "$here/wine.sh" "$@"; }
prefix=$PEBBLIX_WINE_ROOT/dpi-96
failed=0

# Every file of the prefix's C: drive and every registry key, once Wine has written them out.
snapshot() {
    WINEPREFIX=$prefix wineserver -w
    (cd "$prefix/drive_c" && find . | sort)
    sed -n 's/^\(\[.*\]\).*/\1/p' "$prefix"/*.reg | sort
}

# Starts a program as Explorer would (a shortcut or an .exe), and once it runs closes its window as
# the close box does; fails unless it started and ended well. Wine's tasklist shows nothing, so the
# program is looked for among this machine's processes.
# Whether the program runs: a Wine process of that Windows path, not one that has ended and is not
# yet waited for.
running() {
    ps -eo stat=,args= | awk '$1 !~ /^Z/ && $0 ~ / [A-Z]:\\.*\\pebblix\.exe$/ { found = 1 }
        END { exit !found }'
}
give_up() { WINEPREFIX=$prefix wineserver -k; }
start_and_close() {
    run start /wait /unix "$1" &
    started=$!
    tries=0
    until running; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || { echo "$1 did not start"; give_up; return 1; }
        sleep 0.1
    done
    # Closed as soon as its window is there to take the message: asked again till it has ended.
    tries=0
    while running; do
        tries=$((tries + 1))
        [ "$tries" -lt 30 ] || { echo "$1 did not close"; give_up; return 1; }
        run taskkill /im pebblix.exe >/dev/null 2>&1 || true
        sleep 0.5
    done
    # The status is the program's own only for an .exe: Wine 10's start cannot wait on what a
    # shortcut starts, and ends with a status of its own (4) though the program ran and closed.
    status=0
    wait "$started" || status=$?
    case $1 in
    *.lnk) ;;
    *) [ "$status" -eq 0 ] || { echo "$1 ended with $status"; return 1; } ;;
    esac
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# compare WHAT: fails, listing them, if files or keys came or went since the last snapshot.
compare() {
    snapshot >"$work/after"
    if ! diff "$work/before" "$work/after" >"$work/diff"; then
        echo "$1 changed the prefix:"; cat "$work/diff"; failed=1
    fi
}

# Windows Installer makes its own empty keys the first time it installs anything, where Windows
# has them from the start: the prefix is compared from after one installation and removal, which
# also takes away whatever an interrupted run left.
run msiexec /i "Z:$installer" /qn
run msiexec /x "Z:$installer" /qn
snapshot >"$work/before"
run msiexec /i "Z:$installer" /qn
if [ ! -f "$prefix/drive_c/Program Files/Pebblix/pebblix.exe" ]; then
    echo "no pebblix.exe under Program Files"; failed=1
fi
# For a machine-wide installation Windows takes the entry from ProgramData; Wine 8 puts it in the
# user's own Start menu.
entry=$(find "$prefix/drive_c/ProgramData" "$prefix/drive_c/users" -name Pebblix.lnk | head -n 1)
if [ -z "$entry" ]; then
    echo "no Start-menu entry"; failed=1
else
    start_and_close "$entry" || failed=1
fi
# Kept in a file: the entry holds Windows paths, whose backslashes sh's echo would read as escapes
# (a "\c" in the installer's folder ends the output there).
run reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' \
    >"$work/uninstall"
for value in "DisplayName.*Pebblix" "DisplayVersion.*[0-9]\.[0-9]" "Publisher.*Pebblix"; do
    grep -q "$value" "$work/uninstall" || { echo "no uninstall entry's $value"; failed=1; }
done
run msiexec /x "Z:$installer" /qn
compare "Installing, starting and uninstalling"

snapshot >"$work/before"
start_and_close "$program" || failed=1
compare "A run of the portable program"
exit $failed

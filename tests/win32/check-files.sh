#!/bin/sh
# check-files.sh PROGRAM INSTALLER OBJDUMP: the portable program needs no DLL beside it, for it
# imports only Windows' own libraries; and it and the installer stay small (unstripped, the program
# is twice its budget).
set -eu
program=$1
installer=$2
objdump=$3
failed=0
for dll in $("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
    case $(echo "$dll" | tr '[:upper:]' '[:lower:]') in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | ole32.dll | oleacc.dll | msvcrt.dll) ;;
    *) echo "$program imports $dll, which Windows does not bring"; failed=1 ;;
    esac
done
check_size() { # FILE KIB
    size=$(wc -c <"$1")
    echo "$1: $((size / 1024)) KiB of at most $2"
    [ "$size" -le $(($2 * 1024)) ] || { echo "$1 is too large"; failed=1; }
}
check_size "$program" 400
check_size "$installer" 600
exit $failed

#!/bin/sh
# wine.sh PROGRAM [ARGUMENT...]: runs a Windows program of the tests under Wine, in a prefix of the
# build tree made on first use: no display (Wine's null graphics driver), Times New Roman replaced
# by Liberation Serif, and a screen of PEBBLIX_DPI dots per inch (96 by default), one prefix each.
set -eu
dpi=${PEBBLIX_DPI:-96}
root=${PEBBLIX_WINE_ROOT:?the folder of the tests\' Wine prefixes}
export WINEPREFIX="$root/dpi-$dpi" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# No Mono or Gecko prompt, no window, and nothing read from the terminal.
export DISPLAY=
if [ ! -f "$WINEPREFIX/.made" ]; then
    mkdir -p "$root"
    # The first program to come makes it; the others wait for it.
    until mkdir "$WINEPREFIX.lock" 2>/dev/null; do sleep 0.2; done
    if [ ! -f "$WINEPREFIX/.made" ]; then
        wine wineboot -i </dev/null >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
            /d 'Liberation Serif' /f >/dev/null 2>&1
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
            >/dev/null 2>&1
        # A program that crashes ends, rather than waiting in Wine's debugger for someone.
        wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
            /v Debugger /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.made"
    fi
    rmdir "$WINEPREFIX.lock"
fi
exec wine "$@" </dev/null

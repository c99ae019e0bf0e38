#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix of the build tree's own.
#   wine-run.sh [--x11] PREFIX PROGRAM [ARGS...]
# The prefix is created on first use. Without --x11 it uses Wine's display-less driver
# (Graphics=null: windows, message boxes and GDI work with no X server at all); with --x11
# it draws on $DISPLAY. Never use one prefix both ways: each mode gets its own prefix.
set -euo pipefail

graphics=null
if [ "${1:-}" = --x11 ]; then graphics=x11; shift; fi
[ $# -ge 2 ] || { echo "usage: $0 [--x11] PREFIX PROGRAM [ARGS...]" >&2; exit 2; }

export WINEPREFIX=$1; shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver
[ -x $wine ] || { echo "$0: $wine is missing: run scripts/install-deps.sh" >&2; exit 2; }

if [ ! -e "$WINEPREFIX/.kestrova-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9   # tests started in parallel wait here while the first one creates the prefix
        if [ ! -e "$WINEPREFIX/.kestrova-ready" ]; then
            echo "wine-run.sh: creating the Wine prefix $WINEPREFIX ($graphics)" >&2
            rm -rf "$WINEPREFIX"
            DISPLAY= $wine wineboot --init >/dev/null 2>&1 </dev/null
            $wineserver -w
            # Wine finds its own fonts only inside the prefix (Tahoma for "MS Shell Dlg").
            cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
            # Managed=N: Wine draws its own frames; no 2 s stall per hidden window without a WM.
            reg=$(mktemp --suffix=.reg)
            {
                printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n'
                if [ $graphics = null ]; then
                    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Graphics"="null"\r\n'
                fi
            } >"$reg"
            DISPLAY= $wine regedit /S "Z:$reg" >/dev/null 2>&1 </dev/null
            $wineserver -w
            rm -f "$reg"
            touch "$WINEPREFIX/.kestrova-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi

exec $wine "$@"

#!/bin/sh
# wine_emulatore.sh PREFIX PROGRAM.exe [ARG...]
# Runs a Windows program under Wine in the private prefix PREFIX, created on first use.
# Wine's own chatter is silenced, so that a test sees only what the program prints.
set -eu
WINEPREFIX=$1
shift
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    # Tests start in parallel: one of them creates the prefix, the others wait for it.
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            wineboot -i >/dev/null 2>&1
            wineserver -w
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"

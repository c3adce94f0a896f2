#!/usr/bin/env bash
# Runs a Windows program under Wine in the tests' own Wine prefix, made on
# first use: build-windows/build/wine-a unless WINEPREFIX says otherwise. The
# program's exit status is this script's.
#
#   tests/windows/wine.sh PROGRAM.exe [ARGS...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$(cd "$here/../.." && pwd)/build-windows/build/wine-a}
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts to install Wine's .NET and HTML engines, which nothing here uses.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            wineboot -i > /dev/null 2>&1
            wineserver -w
        fi
    ) 9> "$WINEPREFIX.lock"
fi
exec wine "$@"

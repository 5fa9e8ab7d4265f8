#!/usr/bin/env bash
# Runs a Windows program under wine with the system's density at DPI dots
# per inch (a monitor at 125 %, 150 % or 200 % is 120, 144 or 192), then
# puts the density back as it was. Exits with the program's status.
#   with-wine-dpi.sh DPI PROGRAM [ARGUMENTS...]
set -uo pipefail
dpi=$1
shift
key='HKCU\Control Panel\Desktop'
wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
trap 'wine reg delete "$key" /v LogPixels /f >/dev/null 2>&1' EXIT
wine "$@"

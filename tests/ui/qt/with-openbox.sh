#!/usr/bin/env bash
# Runs a test program under the openbox window manager on the caller's X
# display (the one xvfb-run made), once openbox manages the screen, and stops
# openbox afterwards. Exits with the program's status.
#   with-openbox.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill "$manager" 2>/dev/null; wait "$manager" 2>/dev/null' EXIT
# A manager announces itself with a check window on the root.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    echo "with-openbox: openbox did not start" >&2
    exit 1
fi
"$@"

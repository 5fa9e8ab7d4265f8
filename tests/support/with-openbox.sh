#!/usr/bin/env bash
# Runs a program under the openbox window manager on the caller's X display
# (the one xvfb-run or scripts/test-windows made), once openbox manages the
# screen, and stops openbox afterwards. Exits with the program's status.
#   with-openbox.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
log=$(mktemp)
manager=
trap '[ -n "$manager" ] && kill "$manager" 2>/dev/null; wait 2>/dev/null; rm -f "$log"' EXIT

# A manager announces itself with a check window on the root.
managing() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# A second try if the first one dies while starting.
for attempt in 1 2; do
    openbox --sm-disable >>"$log" 2>&1 &
    manager=$!
    for _ in $(seq 300); do
        managing && break
        kill -0 "$manager" 2>/dev/null || break
        sleep 0.1
    done
    managing && break
done
if ! managing; then
    echo "with-openbox: openbox did not start:" >&2
    cat "$log" >&2
    exit 1
fi
"$@"

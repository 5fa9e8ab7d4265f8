#!/usr/bin/env bash
# The program's memory at start and after one and ten samplings of the
# screen, as the kernel counts it (VmRSS now, VmHWM the peak so far), on a
# private virtual X server of 1280 x 800, whose capture is 4,000 KiB.
#   bench/sampling_memory.sh [PROGRAM]     (default build/default/src/tintwell)
set -euo pipefail
program=$(realpath "${1:-build/default/src/tintwell}")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=xcb PROGRAM=$program
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    set -euo pipefail
    memory() { grep -E "VmRSS|VmHWM" /proc/$pid/status | tr -s " \t\n" " "; }
    "$PROGRAM" & pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Quenlar Tintwell\$" | head -n 1)
    sleep 1
    echo "at start:           $(memory)"
    for sampling in $(seq 10); do
        # "Select Color with Mouse", a movement over the copy, a click.
        xdotool mousemove --window "$window" 200 202 click 1
        sleep 0.4
        xdotool mousemove 900 600; sleep 0.1; xdotool mousemove 910 610; sleep 0.2; xdotool click 1
        sleep 0.4
        [ "$sampling" = 1 ] && echo "after 1 sampling:   $(memory)"
    done
    sleep 0.5
    echo "after 10 samplings: $(memory)"
    xdotool windowfocus --sync "$window" key Escape
    wait "$pid"
'

#!/usr/bin/env bash
# Start to exit of one conversion from the command line, against /bin/true
# in the same run: the mean and the fastest of RUNS runs each, in ms.
#   bench/convert_startup.sh [PROGRAM] [RUNS]   (default build/default/src/tintwell, 200)
set -euo pipefail
program=$(realpath "${1:-build/default/src/tintwell}")
runs=${2:-200}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config
unset DISPLAY WAYLAND_DISPLAY

# Runs "$@" runs times; prints the mean and the fastest in ms.
measure() {
    local total=0 fastest=0 start end took
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        took=$((end - start))
        total=$((total + took))
        if [ "$fastest" = 0 ] || [ "$took" -lt "$fastest" ]; then fastest=$took; fi
    done
    awk -v t="$total" -v n="$runs" -v f="$fastest" 'BEGIN { printf "mean %.2f ms, fastest %.2f ms\n", t / n / 1e6, f / 1e6 }'
}

"$program" --convert '#ff6347' --format oklch >/dev/null # warm the page cache
echo "/bin/true:                                   $(measure /bin/true)"
echo "tintwell --convert '#ff6347' --format oklch: $(measure "$program" --convert '#ff6347' --format oklch)"
echo "tintwell --convert tomato (saved notation):  $(measure "$program" --convert tomato)"

#!/usr/bin/env bash
# Splits the caller's X screen (an Xvfb started with -noreset, so that the
# split outlives this script's own connections) into RandR monitors, as a
# desk with two monitors has them, then runs a program. Exits with its status.
#   with-monitors.sh ARRANGEMENT [--scales PRIMARY,SECOND] PROGRAM [ARGUMENTS...]
# ARRANGEMENT, on a screen of 3200 x 1200 (2624 x 1200 for "offset"):
#   right    the primary at 0,0 and the second, as large, on its right
#   left     the primary on the right, the second at 0,0 on its left
#   offset   the primary at 0,0 and a smaller second (1024 x 768) on its
#            right, 300 pixels down: parts of the screen lie on no monitor
#   offset-left  the same on a screen of 2624 x 1200, the second on the
#            primary's left: left of the primary's origin, as Windows counts
# The monitors are named Primary and Second; --scales gives each its own
# scale factor in the toolkit (QT_SCREEN_SCALE_FACTORS names them so).
set -euo pipefail
arrangement=$1
shift
if [ "${1:-}" = --scales ]; then
    export QT_SCREEN_SCALE_FACTORS="Primary=${2%%,*};Second=${2##*,}"
    shift 2
fi
case "$arrangement" in
right) primary=1600/423x1200/318+0+0 second=1600/423x1200/318+1600+0 ;;
left) primary=1600/423x1200/318+1600+0 second=1600/423x1200/318+0+0 ;;
offset) primary=1600/423x1200/318+0+0 second=1024/271x768/203+1600+300 ;;
offset-left) primary=1600/423x1200/318+1024+0 second=1024/271x768/203+0+300 ;;
*) echo "with-monitors: unknown arrangement $arrangement" >&2; exit 2 ;;
esac
xrandr --setmonitor Primary "$primary" screen >/dev/null
xrandr --setmonitor Second "$second" none >/dev/null
monitors=$(xrandr --listmonitors | head -n 1)
if [ "$monitors" != "Monitors: 2" ]; then
    echo "with-monitors: the screen did not split ($monitors)" >&2
    exit 1
fi
"$@"

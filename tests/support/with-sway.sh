#!/usr/bin/env bash
# Runs a program as a Wayland client of a headless sway with two outputs of
# different scales, side by side and offset, as an ordinary user (sway
# refuses the superuser) with a private session bus that starts nothing of
# the machine's own. Stops everything afterwards; exits with the program's
# status.
#   with-sway.sh PROGRAM [ARGUMENTS...]
# The outputs, in the desktop's logical layout:
#   HEADLESS-1  1000 x 700 device pixels at scale 1, at 0,0
#   HEADLESS-2  1200 x 900 device pixels at scale 1.5 (800 x 600), at 1000,50
# Started by the superuser, it runs copies of PROGRAM and of $TINTWELL_PROGRAM
# (when set, exported as the copy's path).
set -uo pipefail
if [ "$(id -u)" -eq 0 ]; then
    # Sway runs as "nobody"; so does the program, in the same runtime folder.
    runtime=$(mktemp -d)
    chown nobody "$runtime"
    chmod 700 "$runtime"
    trap 'rm -rf "$runtime"' EXIT
    # Copies of the programs, which "nobody" can reach wherever the build
    # lies (a build under /root cannot be entered by other users).
    mkdir "$runtime/programs"
    cp "$1" "$runtime/programs/"
    program="$runtime/programs/$(basename "$1")"
    shift
    if [ -n "${TINTWELL_PROGRAM:-}" ]; then
        cp "$TINTWELL_PROGRAM" "$runtime/programs/"
        export TINTWELL_PROGRAM="$runtime/programs/$(basename "$TINTWELL_PROGRAM")"
    fi
    chown -R nobody "$runtime"
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env HOME="$runtime" XDG_RUNTIME_DIR="$runtime" TINTWELL_SWAY_RUNTIME_READY=1 "$0" "$program" "$@"
    exit $?
fi
if [ -z "${TINTWELL_SWAY_RUNTIME_READY:-}" ]; then
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    trap 'rm -rf "$runtime"' EXIT
    export XDG_RUNTIME_DIR=$runtime HOME=$runtime
fi
runtime=$XDG_RUNTIME_DIR
config=$runtime/sway.config
cat >"$config" <<'CONFIG'
default_border none
default_floating_border none
focus_follows_mouse no
CONFIG
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
export WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 WLR_HEADLESS_OUTPUTS=1
sway --config "$config" >"$runtime/sway.log" 2>&1 &
compositor=$!
stop() { kill "$compositor" 2>/dev/null; wait "$compositor" 2>/dev/null; }
trap 'stop; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    SWAYSOCK=$(ls "$runtime"/sway-ipc.*.sock 2>/dev/null | head -n1)
    [ -n "$SWAYSOCK" ] && [ -n "$(ls "$runtime"/wayland-* 2>/dev/null)" ] && break
    sleep 0.1
done
if [ -z "${SWAYSOCK:-}" ]; then
    echo "with-sway: sway did not start" >&2
    cat "$runtime/sway.log" >&2
    exit 1
fi
export SWAYSOCK
WAYLAND_DISPLAY=$(basename "$(ls "$runtime"/wayland-? | head -n1)")
export WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland
swaymsg create_output >/dev/null
swaymsg output HEADLESS-1 mode 1000x700 position 0 0 scale 1 >/dev/null
swaymsg output HEADLESS-2 mode 1200x900 position 1000 50 scale 1.5 >/dev/null
"$(dirname "$0")/with-private-bus.sh" "$@"

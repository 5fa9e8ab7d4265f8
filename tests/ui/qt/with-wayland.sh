#!/usr/bin/env bash
# Runs a test program as a Wayland client of a headless weston, with a
# private session bus of its own that starts none of the machine's services, and stops both afterwards. Exits with the
# program's status.
#   with-wayland.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
socket=tintwell-test
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --width=1280 --height=800 \
    >"$runtime/weston.log" 2>&1 &
compositor=$!
trap 'kill "$compositor" 2>/dev/null; wait "$compositor" 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    echo "with-wayland: weston did not start" >&2
    cat "$runtime/weston.log" >&2
    exit 1
fi
unset DISPLAY
export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
"$(dirname "$0")/../../support/with-private-bus.sh" "$@"

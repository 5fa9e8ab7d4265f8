#!/usr/bin/env bash
# Runs a command under a virtual X server of its own on a free display number
# (xvfb-run -a), and returns only once that server has gone. xvfb-run stops
# its server without waiting for it, so the next test could find the number
# still held while the dying server's sockets are being closed, and fail to
# connect at all. The command runs on a private session bus, which starts
# none of the machine's services. Exits with the command's status.
#   with-xvfb.sh "SERVER ARGUMENTS" COMMAND [ARGUMENTS...]
set -uo pipefail
server_arguments=$1
shift
pid_file=$(mktemp)
trap 'rm -f "$pid_file"' EXIT
# The server's lock file holds its process id.
xvfb-run -a -s "$server_arguments" bash -c \
    'tr -dc 0-9 <"/tmp/.X${DISPLAY#:}-lock" >"$0" 2>/dev/null; exec "$@"' "$pid_file" \
    "$(dirname "$0")/with-private-bus.sh" "$@"
status=$?
server=$(cat "$pid_file")
if [ -n "$server" ]; then
    for _ in $(seq 100); do
        kill -0 "$server" 2>/dev/null || break
        sleep 0.1
    done
fi
exit "$status"

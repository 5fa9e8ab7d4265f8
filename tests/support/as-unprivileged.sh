#!/usr/bin/env bash
# Runs a test program as an ordinary user: as "nobody" when started by the
# superuser (who may read and write any file, which hides the faults that
# permissions cause), unchanged otherwise. Its own folders go under /tmp.
#   as-unprivileged.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
    exec "$@"
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# A copy of the program, which "nobody" can reach wherever the build lies
# (a build under /root cannot be entered by other users).
program="$home/$(basename "$1")"
cp "$1" "$program"
shift
chown -R nobody "$home"
env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" TMPDIR="$home" \
    setpriv --reuid=nobody --regid=nogroup --clear-groups "$program" "$@"

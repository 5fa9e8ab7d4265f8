#!/usr/bin/env bash
# The program from a terminal: the informational options print and exit 0
# without any display; an unknown option is one line and exit 2; no display
# is one line and exit 1, never the toolkit's abort.
#   check_command_line.sh PROGRAM
set -uo pipefail
program=$1
failures=0
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config
# No display of any kind, and no core file from a crash.
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET QT_QPA_PLATFORM XDG_SESSION_TYPE
ulimit -c 0

# expect NAME STATUS STDOUT-LINES STDERR-LINES STDOUT-PATTERN ARGUMENTS...
expect() {
    local name=$1 status=$2 out_lines=$3 err_lines=$4 pattern=$5
    shift 5
    local out err code
    out=$(mktemp) err=$(mktemp)
    timeout 20 "$program" "$@" >"$out" 2>"$err"
    code=$?
    local got_out got_err
    got_out=$(wc -l <"$out") got_err=$(wc -l <"$err")
    if [ "$code" != "$status" ] || { [ "$out_lines" != any ] && [ "$got_out" != "$out_lines" ]; } ||
        [ "$got_err" != "$err_lines" ] || ! grep -q -- "$pattern" "$out" "$err"; then
        echo "FAIL: $name: exit $code (want $status), $got_out/$got_err lines on stdout/stderr"
        sed 's/^/  out: /' "$out"
        sed 's/^/  err: /' "$err"
        failures=$((failures + 1))
    else
        echo "ok: $name"
    fi
    rm -f "$out" "$err"
}

expect "--help" 0 any 0 "^Usage: tintwell" --help
expect "-h" 0 any 0 "--version" -h
expect "--version" 0 2 0 "^Quenlar Tintwell [0-9.]*$" --version
expect "-V" 0 2 0 "Copyright" -V
expect "unknown option" 2 0 1 "unknown option '--frob'" --frob
expect "a missing value" 2 0 1 "needs a value" -platform
expect "no display" 1 0 1 "^tintwell: no display" 
expect "an X server that is not there" 1 0 1 "DISPLAY=:" -display :97
expect "no compositor" 1 0 1 "no display" -platform wayland
# Nothing was written for any of these.
if [ -n "$(ls -A "$home")" ]; then
    echo "FAIL: files were made in the home folder:"; find "$home"
    failures=$((failures + 1))
fi
exit $failures

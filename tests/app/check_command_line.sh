#!/usr/bin/env bash
# The program from a terminal: the informational options print and exit 0
# without any display; an unknown option is one line and exit 2; no display
# is one line and exit 1 (3 for a pick that prints), never the toolkit's abort; the conversions need no
# display either, and answer with their exit codes.
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
        { [ "$err_lines" != any ] && [ "$got_err" != "$err_lines" ]; } || ! grep -q -- "$pattern" "$out" "$err"; then
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
# A script's pick tells a place where nothing can be picked from a cancel.
expect "--pick --print without a display" 3 0 1 "no display" --pick --print
# Nothing was written for any of these.
if [ -n "$(ls -A "$home")" ]; then
    echo "FAIL: files were made in the home folder:"; find "$home"
    failures=$((failures + 1))
fi
# The conversions read the saved notation and the user's forms, from the
# settings folder (which the settings store makes, as a first start does).
expect "--convert" 0 1 0 "^oklch(0.628 0.25768 29.23)$" --convert "#FF0000" --format oklch
expect "--convert in the saved notation" 0 1 0 "^#FF6347$" --convert tomato
expect "--convert refused" 1 0 1 "has no colour" --convert transparent
expect "--convert, an unknown format" 2 0 any "unknown format 'nope'" --convert red --format nope
expect "--pick --print, an unknown format" 2 0 any "unknown format 'nope'" --pick --print --format nope
# The same, as scripts see them: one line in, one line out.
lines=$(printf 'red\nnot a colour\nrgb(0 0 255)' | "$program" --convert - --format hex 2>/dev/null; echo "exit $?")
if [ "$lines" != $'#ff0000\n\n#0000ff\nexit 1' ]; then
    echo "FAIL: --convert -: got $lines"; failures=$((failures + 1))
else
    echo "ok: --convert -"
fi
# The list of formats, with the user's own.
mkdir -p "$home/.config/Quenlar/Tintwell"
printf 'Qt = QColor({r}, {g}, {b})\n' >"$home/.config/Quenlar/Tintwell/formats.txt"
expect "--formats" 0 17 0 "^Qt$" --formats
expect "--convert in a user's format" 0 1 0 "^QColor(255, 99, 71)$" --convert tomato --format qt
exit $failures

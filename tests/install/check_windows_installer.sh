#!/usr/bin/env bash
# The Windows installer as a user meets it, under wine: a silent install
# puts Tintwell.exe, its help file, a Start-menu shortcut and an uninstaller
# in place; the installed program starts, shows its window and saves its
# settings in %APPDATA% when Escape closes it; a silent uninstall takes it
# all away again. Needs WINEPREFIX and DISPLAY (an X server with a window
# manager) set up by the caller, and the installer as its argument.
set -euo pipefail

installer=$1
target='C:\TintwellInstallTest'
folder="$WINEPREFIX/drive_c/TintwellInstallTest"
fail() { echo "check_windows_installer: $*" >&2; exit 1; }

rm -rf "$folder"
wine "$installer" /S "/D=$target"
# The installer returns at once; its files follow.
for _ in $(seq 100); do [ -f "$folder/Uninstall.exe" ] && break; sleep 0.2; done
for file in Tintwell.exe Tintwell.chm Uninstall.exe; do
    [ -f "$folder/$file" ] || fail "$file was not installed"
done
help_key='HKLM\SOFTWARE\Microsoft\Windows\HTML Help'
wine reg query "$help_key" /v Tintwell.chm 2>/dev/null | tr -d '\r' | grep -qi 'TintwellInstallTest' ||
    fail "the help file's folder was not registered for the HTML Help control"
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Quenlar Tintwell.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
# The picking shortcut: its hot key in the link's header (offset 0x40: the
# key 'C', then Ctrl and Alt) and the option among its strings (UTF-16).
pick=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Pick a Colour.lnk' | head -n 1)
[ -n "$pick" ] || fail "no Start-menu shortcut to pick a colour"
[ "$(od -An -tx1 -j64 -N2 "$pick" | tr -d ' ')" = 4306 ] || fail "the picking shortcut has no Ctrl+Alt+C hot key"
tr -d '\000' <"$pick" | grep -aq -- '--pick' || fail "the picking shortcut does not pass --pick"

appdata=$(wine cmd /c echo '%APPDATA%' 2>/dev/null | tr -d '\r')
settings=$(winepath -u "$appdata\\Quenlar\\Tintwell\\Tintwell.apr")
rm -f "$settings"

(cd "$folder" && wine Tintwell.exe) &
program=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^Quenlar Tintwell$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || fail "the installed program showed no window"
sleep 1
# wine may replace the window it first showed with another of the same name;
# the key goes to the one there now.
for _ in $(seq 10); do
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key --window "$window" Escape 2>/dev/null && break
    sleep 0.3
    window=$(xdotool search --name '^Quenlar Tintwell$' 2>/dev/null | tail -n 1 || true)
done
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.2; done
kill -0 "$program" 2>/dev/null && fail "Escape did not close the installed program"
[ -f "$settings" ] || fail "the installed program saved no settings at $settings"

wine "$folder/Uninstall.exe" /S
for _ in $(seq 100); do [ -f "$folder/Tintwell.exe" ] || break; sleep 0.2; done
[ ! -f "$folder/Tintwell.exe" ] || fail "the uninstaller left Tintwell.exe"
[ -z "$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' \( -name 'Quenlar Tintwell.lnk' -o -name 'Pick a Colour.lnk' \))" ] ||
    fail "the uninstaller left a Start-menu shortcut"
if wine reg query "$help_key" /v Tintwell.chm >/dev/null 2>&1; then
    fail "the uninstaller left the help file's registry entry"
fi
echo "check_windows_installer: installed, started, saved, uninstalled"

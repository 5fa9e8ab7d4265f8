#!/usr/bin/env bash
# Installs the build into a temporary prefix, validates the desktop files
# there, then starts the installed program under a virtual X server and
# checks that its window shows and that Help finds the installed help file.
#   check_installed.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$prefix" "$home"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
id=example.quenlar.tintwell
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
for size in 16 32 48 64 128 256; do
    test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
done
test -s "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
test -s "$prefix/share/man/man1/tintwell.1.gz"
test -s "$prefix/share/tintwell/Tintwell.chm"

export PREFIX="$prefix" HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home"
chmod 700 "$home"
bash "$(dirname "$0")/../support/with-xvfb.sh" "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    "$PREFIX/bin/tintwell" & pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Quenlar Tintwell\$" | head -n 1)
    # The Help button, at its place in the window.
    xdotool mousemove --window "$window" 184 238 click 1
    timeout 30 xdotool search --sync --onlyvisible --name "^Tintwell Help - Overview" >/dev/null
    xdotool windowfocus --sync "$window" key Escape
    wait "$pid"
'
test -s "$home/.config/Quenlar/Tintwell/tintwell.apr"
echo "installed program: window shown, help found, settings written"

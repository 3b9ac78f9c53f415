#!/usr/bin/env bash
# Makes the user guide's screenshots (docs/images/*.png) again: installs the
# build into a temporary prefix, starts it on a virtual X display with its
# own settings, on the demo graphics and a demo level only, and drives it
# with xdotool. Needs xvfb, xdotool and imagemagick, and a build in build/.
# usage: tools/screenshots.sh [DISPLAY-NUMBER]   (default 99)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
number=${1:-99}
out=$repo/docs/images
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshots.sh: $tool is missing" >&2; exit 1; }
done

cmake --build build --target gridmason gridmason-tool >/dev/null
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
cmake --install build --prefix "$work/prefix" >/dev/null
for level in LEVEL01.CK1 LEVEL02.CK1 LEVEL80.CK1; do
    cp "$work/prefix/share/gridmason/levels/$level" "$work/"
done

Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$number"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
kill -0 "${pids[0]}" 2>/dev/null || { echo "screenshots.sh: display :$number is taken" >&2; exit 1; }

# A first start of the installed program: no settings yet, so it takes the
# demo graphics; settings go to a folder of this run.
HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work \
    "$work/prefix/bin/gridmason" "$work/LEVEL01.CK1" >"$work/gridmason.log" 2>&1 &
pids+=($!)
# The main window's title names the level open in it.
main=$(timeout 30 xdotool search --sync --onlyvisible --name '^LEVEL01\.CK1 .*Gridmason$' | head -1)
sleep 2
xdotool windowmove "$main" 0 0 windowsize "$main" 900 700
sleep 1

# The main window's coordinates of the editor's controls, for the window as
# laid out above (no window manager, so no frames).
tilePicker="693 445"
previewButton="725 407"
spritePicker="719 445"

settle() { sleep 1; }
# With no window manager, keys reach the window that has the X input focus.
# Menus are reached with Alt and the access keys: Ctrl chords sent by xdotool
# do not reach the program on Xvfb.
focus() { xdotool windowfocus --sync "$main"; }
shootWindow() { import -window "$1" "$out/$2"; echo "wrote docs/images/$2"; }
shootDialog() {
    local id
    id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -1)
    [ -n "$id" ] || { echo "screenshots.sh: no window \"$1\"" >&2; exit 1; }
    settle
    shootWindow "$id" "$2"
}

mkdir -p "$out"
# The demo levels of episode 1 on one contact sheet, as render-episode draws them.
"$work/prefix/bin/gridmason-tool" render-episode "$work/prefix/share/gridmason/levels" \
    --episode 1 --zoom -2 --graphics "$work/prefix/share/gridmason/graphics/keen1" \
    -o "$out/contact-sheet.png"
echo "wrote docs/images/contact-sheet.png"
xdotool mousemove 450 250
settle
shootWindow "$main" main-window.png

# View, Show Tile Behaviour over the demo level, from the demo graphics'
# made-up table, scrolled right (two pages of the canvas's scroll bar) to
# the lava, the door and the exit, and back.
canvasBarRight="650 407"
canvasBarLeft="40 407"
focus
xdotool mousemove 450 250 key t
xdotool mousemove $canvasBarRight click 1 click 1
xdotool mousemove 450 250
settle
shootWindow "$main" tile-behaviour.png
xdotool mousemove $canvasBarLeft click 1 click 1
focus
xdotool key t
settle

# Hold the tile picker down and move over the open tiles.
xdotool mousemove $tilePicker mousedown 1
settle
xdotool mousemove 430 260
sleep 0.4
shootWindow "$main" tile-picker.png
xdotool mousemove $tilePicker mouseup 1
settle

# Hold the sprite picker down (sprite mode) and move over the sprites.
xdotool mousemove $spritePicker mousedown 1
settle
xdotool mousemove 150 160
# Before a tooltip shows (it would be caught half drawn).
sleep 0.4
shootWindow "$main" sprites.png
xdotool mousemove $spritePicker mouseup 1
settle

# The level preview, while its button is held.
xdotool mousemove $previewButton mousedown 1
settle
xdotool mousemove 500 330
settle
shootWindow "$main" preview.png
xdotool mouseup 1
settle

focus
xdotool mousemove 450 250 key alt+l p
shootDialog "Level Properties" properties.png
xdotool key Escape

focus
xdotool key F1
shootDialog "Keyboard Shortcuts" shortcuts.png
xdotool key Escape

# The world map beside the Episode panel (Window, Episode Panel), filled
# with the level's folder, which frames the doors of the level chosen in it
# (the first, at the start).
focus
xdotool key alt+w p
settle
focus
xdotool key alt+f o
sleep 2
xdotool type "$work/LEVEL80.CK1"
xdotool key Return
sleep 3
xdotool mousemove 450 250
settle
shootWindow "$main" episode-panel.png
focus
xdotool key alt+f c
settle

# With the level closed, File, Set Paths.
focus
xdotool key alt+f c
settle
focus
xdotool mousemove 450 250 key alt+f p
shootDialog "Set Paths" set-paths.png
xdotool key Escape
focus
xdotool key alt+f x

#!/usr/bin/env bash
# The real program on a real X server: a click opens the experiment screen,
# a click on the central maximum selects it, and the bench pixels on the
# screen must equal, exactly, the picture the render mode draws for that state.
# Usage: window_e2e.sh path/to/gratinglab
set -euo pipefail

bin=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x_display.sh"
require_tools Xvfb xdotool import compare
begin_scratch
start_display

start_program "$bin"
wid=$(program_window)
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" -eq 992 ] && [ "$HEIGHT" -eq 665 ] || fail "window is ${WIDTH}x${HEIGHT}, not 992x665"

# "Эксперимент" (277, 632, 120 x 25), then the target of the central maximum
# (GroupBox3 at 8, 8; Img0 at 784, 233, 80 x 10).
xdotool mousemove --window "$wid" 337 644 click 1
sleep 0.5
xdotool mousemove --window "$wid" 832 246 click 1
sleep 0.5
# Off the bench, so no hand cursor lies over the picture.
xdotool mousemove --window "$wid" 600 655
sleep 0.3

# Img_osn: P3 at (0, 0), GroupBox3 at (8, 8), the canvas at (16, 15) in it.
import -window root -crop "945x445+$((X + 24))+$((Y + 23))" +repage "$work/screen.png"
"$bin" --render "$work/render.png" --order 0 || fail "the render mode failed"

if ! differing=$(compare -metric AE "$work/screen.png" "$work/render.png" null: 2>&1); then
    fail "the bench on the screen differs from the render in $differing pixels"
fi
echo "bench pixels on screen equal the render (945 x 445)"

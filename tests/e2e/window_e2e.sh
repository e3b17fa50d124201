#!/usr/bin/env bash
# The real program on a real X server: a click opens the experiment screen,
# a click on the central maximum selects it, and the bench pixels on the
# screen must equal, exactly, the picture the render mode draws for that state.
# Usage: window_e2e.sh path/to/gratinglab
set -euo pipefail

bin=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x_display.sh"
require_tools Xvfb xdotool import compare convert
begin_scratch
start_display

start_program "$bin"
wid=$(program_window)
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" -eq 992 ] && [ "$HEIGHT" -eq 665 ] || fail "window is ${WIDTH}x${HEIGHT}, not 992x665"

# Img_osn: P3 at (0, 0), GroupBox3 at (8, 8), the canvas at (16, 15) in it.
canvas="945x445+$((X + 24))+$((Y + 23))"
"$bin" --render "$work/start.png" || fail "the render mode failed"
"$bin" --render "$work/render.png" --order 0 || fail "the render mode failed"
# At the first order the angle arc, a control of its own over the canvas
# (Img_ugu at 180, 195 in GroupBox3), shows: blank its corner there.
arcs="rectangle 164,170 203,228"
convert "$work/start.png" -fill black -draw "$arcs" "$work/start-masked.png"

# bench_is PICTURE [MASK]: the canvas on the screen equals the picture now.
bench_is() {
    import -window root -crop "$canvas" +repage "$work/screen.png"
    [ -z "${2:-}" ] || convert "$work/screen.png" -fill black -draw "$2" "$work/screen.png"
    compare -metric AE "$work/screen.png" "$1" null: 2>"$work/differing"
}
# The program draws at its own pace: poll until the screen holds, for 30 s.
until_bench_is() {
    for _ in $(seq 300); do
        bench_is "$@" && return 0
        sleep 0.1
    done
    return 1
}

# "Эксперимент" (277, 632, 120 x 25): the bench as it starts.
xdotool mousemove --window "$wid" 337 644 click 1
until_bench_is "$work/start-masked.png" "$arcs" \
    || fail "the experiment screen's bench differs from the render in $(cat "$work/differing") pixels"
# The target of the central maximum (GroupBox3 at 8, 8; Img0 at 784, 233,
# 80 x 10), then off the bench, so that no hand cursor lies over the picture.
xdotool mousemove --window "$wid" 832 246 click 1
xdotool mousemove --window "$wid" 600 655
until_bench_is "$work/render.png" \
    || fail "the bench on the screen differs from the render in $(cat "$work/differing") pixels"
echo "bench pixels on screen equal the render (945 x 445)"

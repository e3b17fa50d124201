#!/usr/bin/env bash
# The whole exercise with the keyboard alone, on the real program under Xvfb:
# xdotool sends only key events (Tab, Space, PageUp, Right, Ctrl+Up, Up,
# digits, Return). The bench pixels on the screen must then equal the render
# mode's picture of that state, with the focus frame outside them, and the
# verdict must be the green «Верно !»; then the same with the mercury lamp
# and the measuring cursor; and nothing written under ~/.config.
# Usage: keyboard_e2e.sh path/to/gratinglab
# Without the tools it skips (77), except in CI (CI=true), where it fails.
set -euo pipefail

bin=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x_display.sh"
require_tools Xvfb xdotool import compare convert
begin_scratch
start_display
export_program_home

start_program "$bin"
wid=$(program_window)
# No window manager: hand the window the keyboard focus directly.
xdotool windowfocus --sync "$wid"
eval "$(xdotool getwindowgeometry --shell "$wid")"

keys() {
    xdotool key --delay 20 "$@"
}

# The program takes the keys in order, at its own pace: each check polls the
# screen until it holds or 30 s have passed.
until_shown() {
    for _ in $(seq 300); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Where the bench canvas (Img_osn) and the verdict (Lbl_otv) stand on the
# screen: P3 at (0, 0), GroupBox3 at (8, 8) with the canvas at (16, 15);
# GroupBox4 at (8, 496) with Lbl_otv at (762, 64).
canvas="945x445+$((X + 24))+$((Y + 23))"
# The focus frame's left rim, two pixels wide, 4 pixels left of the canvas.
rim="2x445+$((X + 20))+$((Y + 23))"
verdict="58x18+$((X + 770))+$((Y + 560))"

"$bin" --render "$work/render.png" --wavelength 595 --grating 2.0 --order 2 || fail "the render mode failed"
# The angle arc and the φ picture are controls of their own over the canvas
# (Img_ugu at 180, 195 and Img_f at 190, 185 in GroupBox3, whose canvas
# starts at 16, 15): blank their corner in both pictures.
arcs="rectangle 164,170 203,228"
convert "$work/render.png" -fill black -draw "$arcs" "$work/render-masked.png"

bench_as_rendered() {
    import -window root -crop "$canvas" +repage "$work/screen.png"
    convert "$work/screen.png" -fill black -draw "$arcs" "$work/screen-masked.png"
    compare -metric AE "$work/screen-masked.png" "$work/render-masked.png" null: 2>"$work/differing"
}

# The frame around the focused bench picture: one colour, not the white.
bench_framed() {
    import -window root -crop "$rim" +repage "$work/rim.png"
    [ "$(convert "$work/rim.png" -unique-colors txt:- | tail -n +2 | wc -l)" -eq 1 ] &&
        [ "$(convert "$work/rim.png" -format '%[fx:mean==1?1:0]' info:)" -eq 0 ]
}

pixels_of() {
    convert "$work/verdict.png" -fill black +opaque "$1" -fill white -opaque "$1" -format '%[fx:round(mean*w*h)]' info:
}
verdict_right() {
    import -window root -crop "$verdict" +repage "$work/verdict.png"
    green=$(pixels_of 'rgb(0,128,0)')
    red=$(pixels_of 'rgb(255,0,0)')
    [ "$green" -ge 20 ] && [ "$red" -eq 0 ]
}

# The focus starts on "Ход работы"; the next button opens the experiment.
keys Tab space
# From "Эксперимент": four buttons (the journal's among them), the six
# fields and Button6, then the bench picture and the strip.
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
# 21 pages up from 380 nm and five clicks right make 595 nm.
keys $(printf 'Prior %.0s' $(seq 21)) Right Right Right Right Right
# Ten steps of the grating constant up, from wherever the focus is.
keys $(printf 'ctrl+Up %.0s' $(seq 10))
# Back to the bench picture: order 2 is one up from order 1.
keys shift+Tab Up
until_shown bench_as_rendered ||
    fail "the bench on the screen differs from the render of 595 nm, d = 2, k = 2 in $(cat "$work/differing") pixels"
echo "bench pixels after the keys equal the render of 595 nm, d = 2, k = 2"
bench_framed || fail "no focus frame beside the focused bench picture"
echo "focus frame drawn outside the bench pixels"

# Back to the answer field (Button6, Ed_mkm, Edit5), type and check.
keys shift+Tab shift+Tab shift+Tab 5 9 4 Return
until_shown verdict_right || fail "the verdict is not the green «Верно !» ($green green, $red red pixels)"
echo "verdict: green «Верно !» ($green pixels)"

# The mercury lamp by keys alone: the check reset, d back to 1, the lamp
# picked on the source control, the cursor on the green line's first order
# (2 pages and 29 rows up: 109 rows, 2,73 cm), then k = 1 and 546.
keys Return
keys $(printf 'ctrl+Down %.0s' $(seq 10))
# Ed_mkm, Button6, the bench, the strip, the cursor, the source control.
keys Tab Tab Tab Tab Tab Tab Down
# The strip is gone with a lamp: one back is the cursor.
keys shift+Tab Prior Prior $(printf 'Up %.0s' $(seq 29))
# Back past the bench, Button6, Ed_mkm and Edit5 to Ed_k.
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab 1 Tab 5 4 6 Return
"$bin" --render "$work/render.png" --source hg --cursor 2.73 || fail "the render mode failed"
convert "$work/render.png" -fill black -draw "$arcs" "$work/render-masked.png"
until_shown bench_as_rendered ||
    fail "the mercury bench on the screen differs from its render in $(cat "$work/differing") pixels"
until_shown verdict_right || fail "the mercury verdict is not the green «Верно !» ($green green, $red red pixels)"
echo "mercury lamp, cursor at 2,73, k = 1, answer 546: green «Верно !» ($green pixels)"
expect_no_config
echo "nothing written under ~/.config"

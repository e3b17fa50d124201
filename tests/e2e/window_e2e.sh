#!/usr/bin/env bash
# The real program on a real X server: a click opens the experiment screen,
# a click on the central maximum selects it, and the bench pixels on the
# screen must equal, exactly, the picture the render mode draws for that state.
# Usage: window_e2e.sh path/to/gratinglab
set -euo pipefail

bin=$1
# A missing tool skips the test on a developer's machine; in CI (CI=true) a
# skip would pass a run that tested nothing, so there it fails.
for tool in Xvfb xdotool import compare; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        if [ "${CI:-}" = true ]; then
            echo "FAIL: $tool is not installed, and CI=true allows no skip (tools/install-deps.sh installs it)" >&2
            exit 1
        fi
        echo "SKIP: $tool is not installed (tools/install-deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A display of our own: Xvfb picks a free number and writes it when ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

"$bin" 2>"$work/app.log" &
app_pid=$!

wid=$(timeout 30 xdotool search --sync --onlyvisible --name 'Измерение длины световой волны' | head -n1) \
    || fail "the window did not appear: $(cat "$work/app.log")"
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
kill "$app_pid" 2>/dev/null || true

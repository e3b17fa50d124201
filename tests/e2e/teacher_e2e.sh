#!/usr/bin/env bash
# The teacher's window on a 1024 x 768 projector, with a window manager as a
# classroom computer has: the window and its frame lie whole on the screen,
# within about 1000 x 700, and no smaller than the window's minimum size, so
# every button is on the screen. A teacher's file opened through Qt's file
# dialog (Ctrl+O) and the window closed leave nothing under ~/.config.
# Usage: teacher_e2e.sh path/to/gratinglab
set -euo pipefail

bin=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x_display.sh"
require_tools Xvfb xdotool xprop
begin_scratch
start_display 1024x768
start_window_manager
export_program_home

mkdir -p "$work/class"
"$bin" --new-task "$work/9b.gratinglab-teacher" --class-folder "$work/class" --class 9Б --variants 5 >/dev/null \
    || fail "the new task was not written"
start_program "$bin" --teacher
wid=$(program_window)

# The frame's extents, once the window manager has framed the window.
extents=""
for _ in $(seq 100); do
    extents=$(xprop -id "$wid" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
    [ -n "$extents" ] && break
    sleep 0.1
done
[ -n "$extents" ] || fail "the window manager did not frame the window"
IFS=, read -r left right top bottom <<<"$extents"
eval "$(xdotool getwindowgeometry --shell "$wid")"
frame_x=$((X - left)) frame_y=$((Y - top))
frame_w=$((WIDTH + left + right)) frame_h=$((HEIGHT + top + bottom))
echo "window ${WIDTH}x${HEIGHT}, with its frame ${frame_w}x${frame_h} at ${frame_x},${frame_y}"
[ "$frame_x" -ge 0 ] && [ "$frame_y" -ge 0 ] && [ $((frame_x + frame_w)) -le 1024 ] \
    && [ $((frame_y + frame_h)) -le 768 ] || fail "the framed window does not lie whole on the 1024 x 768 screen"
[ "$frame_w" -le 1000 ] && [ "$frame_h" -le 700 ] || fail "the framed window is larger than 1000 x 700"
# Its layout keeps every button inside a window at least this large.
read -r min_w min_h < <(xprop -id "$wid" WM_NORMAL_HINTS | sed -n 's/.*minimum size: \([0-9]*\) by \([0-9]*\).*/\1 \2/p')
[ -n "${min_w:-}" ] || fail "the window names no minimum size"
[ "$WIDTH" -ge "$min_w" ] && [ "$HEIGHT" -ge "$min_h" ] \
    || fail "the window is ${WIDTH}x${HEIGHT}, below its minimum ${min_w}x${min_h}"
echo "its minimum size ${min_w}x${min_h}"

# The first visible window named so, once it is there. A window that closes
# while xdotool looks at the others makes it fail with BadWindow: look again.
visible_window() {
    local _ found
    for _ in $(seq 300); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || found=""
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    return 1
}

# Qt's own file dialog, as the teacher uses it.
xdotool windowactivate --sync "$wid"
xdotool key ctrl+o
dialog=$(visible_window 'Открыть файл учителя') \
    || fail "the file dialog did not open: $(cat "$work/app.log")"
xdotool windowactivate --sync "$dialog"
xdotool type --delay 10 "$work/9b.gratinglab-teacher"
xdotool key Return
visible_window '^9b — Учителю' >/dev/null \
    || fail "the teacher's file did not open: $(cat "$work/app.log")"
xdotool windowactivate --sync "$wid"
xdotool key alt+F4
for _ in $(seq 100); do
    kill -0 "${pids[-1]}" 2>/dev/null || break
    sleep 0.1
done
kill -0 "${pids[-1]}" 2>/dev/null && fail "the window did not close"
expect_no_config
echo "the teacher's window fits 1024 x 768 and wrote nothing under ~/.config"

#!/usr/bin/env bash
# A pupil's program in a task, killed with SIGKILL after three checks, as a
# power cut would end it: the next start asks «Восстановить журнал прошлого
# занятия?», and Восстановить brings back the task and its three rows.
# Usage: recovery_e2e.sh path/to/gratinglab
# Without the tools it skips (77), except in CI (CI=true), where it fails.
set -euo pipefail

bin=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x_display.sh"
require_tools Xvfb xdotool python3
begin_scratch
start_display
copy="$XDG_DATA_HOME/gratinglab/journal-recovery.json"

# The copy's rows' answers and the task's checks, e.g. "500,5890,589 checks=3".
copy_says() {
    python3 - "$copy" <<'PY' 2>/dev/null
import json, sys
j = json.load(open(sys.argv[1], encoding="utf-8"))
print(",".join(r["answer"] for r in j["rows"]), "checks=%d" % j["task"]["checks"],
      "%s/%d" % (j["task"]["code"], j["task"]["variant"]))
PY
}
until_copy_says() {
    for _ in $(seq 300); do
        [ "$(copy_says || true)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "the recovery copy says '$(copy_says || true)', not '$1'"
}

start_program "$bin" --task 9Б --variant 6
pid=${pids[-1]}
wid=$(program_window)
xdotool windowfocus --sync "$wid"
xdotool key --delay 20 Tab space   # «Эксперимент»
eval "$(xdotool getwindowgeometry --shell "$wid")"
# The answer field Edit5: GroupBox4 at (8, 496), the field at (472, 62) in it.
click_at $((X + 508)) $((Y + 571))
# Enter checks, the next Enter makes ready for the next answer.
xdotool type --delay 20 500 && xdotool key --delay 20 Return Return
xdotool type --delay 20 5890 && xdotool key --delay 20 Return Return
xdotool type --delay 20 589 && xdotool key --delay 20 Return
until_copy_says "500,5890,589 checks=3 9Б/6"
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
echo "killed after three checks; the copy holds them"

start_program "$bin"
box=$(program_window)
xdotool windowfocus --sync "$box"
xdotool key --delay 20 Return       # «Восстановить», the default button
for _ in $(seq 300); do
    main=$(xdotool search --onlyvisible --name 'контрольное задание, вариант 6' | head -n1 || true)
    [ -n "$main" ] && break
    sleep 0.1
done
[ -n "${main:-}" ] || fail "the restored window is not the task's: $(cat "$work/app.log")"
# One more check lands after the three that came back.
xdotool windowfocus --sync "$main"
xdotool key --delay 20 Tab space
eval "$(xdotool getwindowgeometry --shell "$main")"
click_at $((X + 508)) $((Y + 571))
xdotool type --delay 20 590 && xdotool key --delay 20 Return
until_copy_says "500,5890,589,590 checks=4 9Б/6"
echo "restored: the task 9Б, variant 6, with its three checks; a fourth follows them"

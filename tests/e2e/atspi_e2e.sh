#!/usr/bin/env bash
# The real program driven by a real screen-reader client: a session bus of
# its own, the accessibility bus on it, Xvfb, and a python AT-SPI client that
# works the whole exercise through the bus alone (atspi_scenario.py).
# Usage: atspi_e2e.sh path/to/gratinglab
# Without the tools it skips (77), except in CI (CI=true), where it fails.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bin=$1
launcher=/usr/libexec/at-spi-bus-launcher
# The system's python, where python3-pyatspi lives.
python=/usr/bin/python3

. "$here/x_display.sh"

if [ "${1:-}" != --inside ]; then
    require_tools Xvfb dbus-run-session
    [ -x "$launcher" ] || missing "$launcher is not installed"
    "$python" -c 'import pyatspi' 2>/dev/null || missing "python3-pyatspi is not installed"
    exec dbus-run-session -- "$0" --inside "$bin"
fi
bin=$2

begin_scratch
start_display

"$launcher" --launch-immediately 2>"$work/bus.log" &
pids+=($!)

scenario() {
    if ! timeout 120 "$python" "$here/atspi_scenario.py" gratinglab "$@"; then
        echo "--- program's stderr:" >&2
        cat "$work/app.log" >&2
        echo "--- accessibility bus:" >&2
        cat "$work/bus.log" >&2
        exit 1
    fi
}

# Qt asks the session bus whether a screen reader is on; here it always is.
# A Russian pupil's locale: the decimal comma.
start_program env LC_ALL=ru_RU.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$bin"
scenario
# One program on the bus at a time: the scenario finds it by name.
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true

# A classroom task, with a data folder of its own (no journal left to recover).
start_program env LC_ALL=ru_RU.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_DATA_HOME="$work/task-data" \
    "$bin" --task 9Б --variant 6 --pupil "Иванов Пётр"
scenario --task
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true

# The English interface, chosen by LANGUAGE on a Russian locale: the tree a
# screen reader gets holds no Russian.
start_program env LC_ALL=ru_RU.UTF-8 LANGUAGE=en QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_DATA_HOME="$work/en-data" \
    "$bin"
scenario --english

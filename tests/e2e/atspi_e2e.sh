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

missing() {
    if [ "${CI:-}" = true ]; then
        echo "FAIL: $1 (tools/install-deps.sh installs it)" >&2
        exit 1
    fi
    echo "SKIP: $1 (tools/install-deps.sh installs it)" >&2
    exit 77
}

if [ "${1:-}" != --inside ]; then
    for tool in Xvfb dbus-run-session; do
        command -v "$tool" >/dev/null 2>&1 || missing "$tool is not installed"
    done
    [ -x "$launcher" ] || missing "$launcher is not installed"
    "$python" -c 'import pyatspi' 2>/dev/null || missing "python3-pyatspi is not installed"
    exec dbus-run-session -- "$0" --inside "$bin"
fi
bin=$2

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

"$launcher" --launch-immediately 2>"$work/bus.log" &
pids+=($!)

# Qt asks the session bus whether a screen reader is on; here it always is.
# A Russian pupil's locale: the decimal comma.
LC_ALL=ru_RU.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$bin" 2>"$work/app.log" &
pids+=($!)

if ! timeout 120 "$python" "$here/atspi_scenario.py" gratinglab; then
    echo "--- program's stderr:" >&2
    cat "$work/app.log" >&2
    echo "--- accessibility bus:" >&2
    cat "$work/bus.log" >&2
    exit 1
fi

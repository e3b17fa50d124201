# Sourced by the end-to-end scripts: their tool checks, a scratch folder and
# the processes they start (all stopped on exit), a display of their own and
# the program's window.

# A missing tool skips the test on a developer's machine; in CI (CI=true) a
# skip would pass a run that tested nothing, so there it fails.
missing() {
    if [ "${CI:-}" = true ]; then
        echo "FAIL: $1, and CI=true allows no skip (tools/install-deps.sh installs it)" >&2
        exit 1
    fi
    echo "SKIP: $1 (tools/install-deps.sh installs it)"
    exit 77
}

require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing "$tool is not installed"
    done
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The scratch folder $work and the list $pids, both cleared away on exit.
begin_scratch() {
    work=$(mktemp -d)
    pids=()
    # The program keeps its journal's recovery copy in the user's data folder:
    # each run gets its own, so a killed run never leaves a question behind.
    export XDG_DATA_HOME="$work/data"
    trap stop_all EXIT
}
stop_all() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}

# Xvfb picks a free display number and writes it when it is ready. Without
# -noreset it resets whenever its last client leaves (the check below, a
# helper that touched the display), and a client knocking just then is
# turned away. The display is taken once a client has reached it.
# start_display [WIDTHxHEIGHT]: 1280x1024 unless given.
start_display() {
    require_tools Xvfb xdpyinfo
    local size=${1:-1280x1024} attempt _ pid
    for attempt in 1 2 3 4 5; do
        rm -f "$work/display"
        Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
        pid=$!
        for _ in $(seq 100); do
            [ -s "$work/display" ] && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        if [ -s "$work/display" ] && xdpyinfo -display ":$(head -n1 "$work/display")" >/dev/null 2>&1 \
            && kill -0 "$pid" 2>/dev/null; then
            pids+=("$pid")
            export DISPLAY=":$(head -n1 "$work/display")"
            unset QT_QPA_PLATFORM WAYLAND_DISPLAY
            return 0
        fi
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    fail "Xvfb did not start: $(cat "$work/xvfb.log")"
}

# A window manager on the display, as a classroom computer has: it frames
# and places the windows. Ready once it has announced itself on the root.
start_window_manager() {
    require_tools openbox xprop
    mkdir -p "$work/wm"
    HOME="$work/wm" XDG_CONFIG_HOME="$work/wm" XDG_CACHE_HOME="$work/wm" openbox --sm-disable \
        >"$work/wm.log" 2>&1 &
    pids+=($!)
    local _
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "the window manager did not start: $(cat "$work/wm.log")"
}

# The program's own home, so that a file it writes for itself shows.
export_program_home() {
    home="$work/home"
    mkdir -p "$home"
    export HOME="$home" XDG_CONFIG_HOME="$home/.config"
}
# The program keeps no settings: nothing under ~/.config after a run.
expect_no_config() {
    local found
    found=$(find "$home/.config" -mindepth 1 2>/dev/null || true)
    [ -z "$found" ] || fail "the program wrote under ~/.config: $found"
}

# start_program BINARY [ARGS...]: the program on that display; its stderr
# goes to $work/app.log.
start_program() {
    "$@" 2>"$work/app.log" &
    pids+=($!)
}

# click_at X Y: a left click at that point of the screen. --sync waits for
# the pointer to get there, and when it is there already it waits in vain
# (about 15 s) for a motion that never comes.
click_at() {
    local here
    here=$(xdotool getmouselocation | sed -n 's/^x:\([0-9]*\) y:\([0-9]*\) .*/\1 \2/p')
    if [ "$here" = "$1 $2" ]; then
        xdotool click 1
    else
        xdotool mousemove --sync "$1" "$2" click 1
    fi
}

# The id of the program's window, once it is shown.
program_window() {
    timeout 30 xdotool search --sync --onlyvisible --name 'Измерение длины световой волны' | head -n1 \
        || fail "the window did not appear: $(cat "$work/app.log")"
}

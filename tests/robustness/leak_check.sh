#!/usr/bin/env bash
# Start-up, render and shutdown of the sanitizer-built program with the
# leak checker on: the render mode (also when the typed wavelength is not a
# number), and the window drawn off screen.
#   leak_check.sh GRATINGLAB_BINARY
set -euo pipefail
bin=$1
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT

export ASAN_OPTIONS=detect_leaks=1:exitcode=23
export QT_QPA_PLATFORM=offscreen

# run NAME EXPECTED_STATUS ARGS...
run() {
  local name=$1 expected=$2; shift 2
  local status=0
  "$bin" "$@" >"$work/$name.out" 2>"$work/$name.err" || status=$?
  if grep -q 'LeakSanitizer' "$work/$name.err"; then
    echo "$name: leaks"; cat "$work/$name.err"; exit 1
  fi
  if [ "$status" -ne "$expected" ]; then
    echo "$name: exit status $status, expected $expected ($*)"; cat "$work/$name.err"; exit 1
  fi
  echo "$name: clean"
}

run render 0 --render "$work/bench.png" --wavelength 600 --grating 2,5 --order 3 --state "$work/state.json"
run render-typed-garbage 1 --render "$work/bench.png" --wavelength-text 4a0 --order 2 --state "$work/state.json"
run screenshot-experiment 0 --screenshot "$work/window.png" --screen experiment
run screenshot-procedure 0 --screenshot "$work/window.png" --screen procedure

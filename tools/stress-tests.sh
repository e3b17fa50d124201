#!/usr/bin/env bash
# Both suites of tools/run-tests.sh, N times over, while a busy loop on every
# core competes with them: a test whose outcome depends on the machine's
# load shows up here. Builds the suites first where they are missing.
#   tools/stress-tests.sh N
set -euo pipefail
runs=${1:-}
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "usage: tools/stress-tests.sh N (a whole number of runs, 1 or more)" >&2; exit 2; }

# The same environment, suites and build settings as make test.
source "$(dirname "$0")/run-tests.sh"

for dir in "${suites[@]}"; do
  [ -f "$dir/CTestTestfile.cmake" ] || build_suite "$dir"
done

load=()
stop_load() {
  for pid in "${load[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${load[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  load=()
}
trap stop_load EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

cores=$(nproc)
for _ in $(seq "$cores"); do
  ( while :; do :; done ) &
  load+=($!)
done
echo "== load: $cores busy loops (pids ${load[*]})"

logs=build/stress
mkdir -p "$logs"
failures=()
total=0
started=$SECONDS
for run in $(seq "$runs"); do
  for dir in "${suites[@]}"; do
    log="$logs/run$run-$(basename "$dir").log"
    begin=$SECONDS
    if test_suite "$dir" >"$log" 2>&1; then
      verdict=passed
    else
      verdict=FAILED
      failures+=("run $run $dir")
    fi
    total=$((total + 1))
    echo "run $run/$runs $dir: $verdict in $((SECONDS - begin)) s ($(grep -o '[0-9]*% tests passed.*' "$log" || echo 'no summary'))"
    if [ "$verdict" = FAILED ]; then
      sed -n '/^The following tests FAILED:/,$p' "$log" | grep -v '^Errors while running CTest' || true
      echo "   log: $log"
    fi
  done
done

echo "== stress: $((total - ${#failures[@]})) of $total suite runs passed under load on $cores cores in $((SECONDS - started)) s"
for f in "${failures[@]}"; do
  echo "   failed: $f"
done
[ "${#failures[@]}" -eq 0 ]

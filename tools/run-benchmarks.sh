#!/usr/bin/env bash
# Builds and runs the benchmarks in an optimised build.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DGL_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench -j "$(nproc)"
for b in build/bench/benchmarks/bench_*; do
  [ -x "$b" ] && "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
done

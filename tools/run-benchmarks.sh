#!/usr/bin/env bash
# Builds the benchmarks in an optimised build and runs them: the redraw
# against one fill of the bench raster, the slider drag, the class table of
# 40 result files, the windows' longest stall on a hung share, and the
# start-up and peak memory of the render mode.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)"
build/bench/benchmarks/bench_paint --benchmark_repetitions=9 --benchmark_report_aggregates_only=true "$@"
build/bench/benchmarks/bench_drag --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
build/bench/benchmarks/bench_class_results --benchmark_repetitions=9 --benchmark_report_aggregates_only=true "$@"
benchmarks/measure_startup.py build/bench/app/gratinglab 21
# Needs smbd, smbnetfs and /dev/fuse (root or fusermount); says so without.
benchmarks/share_stall.sh build/bench/benchmarks/bench_share_stall || [ $? -eq 77 ]

#!/usr/bin/env bash
# The whole suite, twice: an ordinary optimised build and an
# AddressSanitizer + UndefinedBehaviorSanitizer build. Warnings are errors.
# tools/stress-tests.sh sources this file for the same settings and builds.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
jobs=$(nproc)
# Compiler cache hits across clones of the project (CI builds a fresh clone),
# also for the files compiled with a precompiled header.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime

suites=(build/test build/asan)
declare -A suite_args=(
  # Benchmarks are off by default; building them here keeps them compiling.
  [build/test]="-DCMAKE_BUILD_TYPE=Release -DGL_BUILD_BENCHMARKS=ON"
  # Line tables are all the sanitizers' reports need, and they build faster.
  [build/asan]="-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DGL_SANITIZE=ON -DGL_BUILD_BENCHMARKS=OFF"
)

build_suite() {
  local dir=$1
  local -a args
  read -r -a args <<<"${suite_args[$dir]}"
  echo "== $dir: configure and build (${SECONDS}s)"
  cmake -S . -B "$dir" -G Ninja -DGL_WERROR=ON "${args[@]}" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

test_suite() {
  local dir=$1
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 300
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  for dir in "${suites[@]}"; do
    build_suite "$dir"
    echo "== $dir: tests (${SECONDS}s)"
    test_suite "$dir"
  done
  echo "== all suites passed in ${SECONDS}s"
fi

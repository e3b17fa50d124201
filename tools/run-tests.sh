#!/usr/bin/env bash
# The whole suite, twice: an ordinary optimised build and an
# AddressSanitizer + UndefinedBehaviorSanitizer build. Warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
jobs=$(nproc)
# Compiler cache hits across clones of the project (CI builds a fresh clone),
# also for the files compiled with a precompiled header.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime

run_suite() {
  local dir=$1; shift
  echo "== $dir: configure and build (${SECONDS}s)"
  cmake -S . -B "$dir" -G Ninja -DGL_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  echo "== $dir: tests (${SECONDS}s)"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 300
}

# Benchmarks are off by default; building them here keeps them compiling.
run_suite build/test -DCMAKE_BUILD_TYPE=Release -DGL_BUILD_BENCHMARKS=ON
# Line tables are all the sanitizers' reports need, and they build faster.
run_suite build/asan -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g1" -DGL_SANITIZE=ON -DGL_BUILD_BENCHMARKS=OFF
echo "== all suites passed in ${SECONDS}s"

#!/usr/bin/env bash
# Two suites: the optimised program tested as it ships (package, manual
# pages, the window under Xvfb), and everything, the GoogleTest programs
# included, under AddressSanitizer + UndefinedBehaviorSanitizer. Warnings
# are errors.
# tools/stress-tests.sh sources this file for the same settings and builds.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# The sanitizers' options and the offscreen platform are set by the test
# presets (CMakePresets.json), for this script and for a bare ctest --preset.
jobs=$(nproc)
# Compiler cache hits across clones of the project (CI builds a fresh clone),
# also for the files compiled with a precompiled header.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
# The suites check the Russian interface: a developer's LANGUAGE or LANG must
# not switch the programs they start to another language.
export LANGUAGE=ru

# Each suite is the configure, build and test preset of its folder's name
# (CMakePresets.json): build/test is optimised, with the benchmarks built so
# that they keep compiling; build/asan runs everything under the sanitizers.
suites=(build/test build/asan)

build_suite() {
  local dir=$1
  echo "== $dir: configure and build (${SECONDS}s)"
  cmake --preset "${dir#build/}" >/dev/null
  cmake --build --preset "${dir#build/}" -j "$jobs"
}

test_suite() {
  local dir=$1
  ctest --preset "${dir#build/}" -j "$jobs"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  # Formatting first: it takes a second, the builds take minutes.
  echo "== format"
  tools/check-format.sh
  for dir in "${suites[@]}"; do
    build_suite "$dir"
    echo "== $dir: tests (${SECONDS}s)"
    test_suite "$dir"
  done
  echo "== all suites passed in ${SECONDS}s"
fi

#!/usr/bin/env bash
# Builds the number-text fuzz targets with clang (libFuzzer + ASan + UBSan)
# and runs each for a fixed time from its seed corpus. Any crash, sanitizer
# report or disagreement with the slow reference parsers fails the run.
#   tests/fuzz/run-fuzzers.sh [build-dir] [seconds-per-target]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-$root/build/fuzz}
seconds=${2:-20}
targets=(fuzz_str_to_int fuzz_str_to_float fuzz_formatters)

cxx=${FUZZ_CXX:-clang++}
mkdir -p "$out/obj"
read -r -a qt_cflags <<<"$(pkg-config --cflags Qt6Core)"
read -r -a qt_libs <<<"$(pkg-config --libs Qt6Core)"
flags=(-std=c++20 -O1 -g -fPIC -Wall -Wextra -Werror
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -DQT_NO_CAST_FROM_ASCII -DQT_NO_CAST_TO_ASCII
       -I"$root/bench" -I"$root/tests" "${qt_cflags[@]}")

echo "== building fuzz targets into $out"
objects=()
for src in bench/extended.cpp bench/number_text.cpp bench/quantities.cpp tests/decimal_reference.cpp; do
  obj="$out/obj/$(basename "$src" .cpp).o"
  # Only the fuzzer's coverage hooks and sanitizers, no libFuzzer main.
  "$cxx" "${flags[@]/-fsanitize=fuzzer,/-fsanitize=fuzzer-no-link,}" -c "$root/$src" -o "$obj"
  objects+=("$obj")
done
for t in "${targets[@]}"; do
  "$cxx" "${flags[@]}" "$here/$t.cpp" "${objects[@]}" "${qt_libs[@]}" -o "$out/$t"
done

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
passed=0
failed=0
for t in "${targets[@]}"; do
  name=${t#fuzz_}
  work="$out/corpus/$name"
  rm -rf "$work" && mkdir -p "$work" "$out/artifacts"
  log="$out/$t.log"
  echo "== $t: ${seconds} s"
  if "$out/$t" "$work" "$here/corpus/$name" -max_total_time="$seconds" -max_len=128 -timeout=10 \
       -print_final_stats=1 -artifact_prefix="$out/artifacts/$t-" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
    echo "$t: ok, $runs runs, $cov, corpus $(ls "$work" | wc -l) new inputs"
    passed=$((passed + 1))
  else
    echo "$t: FAILED, log follows"
    tail -40 "$log"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

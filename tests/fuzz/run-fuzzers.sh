#!/usr/bin/env bash
# Builds the fuzz targets of the number texts and of the classroom's files and
# class list with clang (libFuzzer + ASan + UBSan).
# With 0 seconds it runs every kept input once, the same inputs in every run
# (make test replays them too, without clang: tests/fuzz/replay_main.cpp);
# with more it fuzzes each target for that long from the kept corpus. Any
# crash, sanitizer report or disagreement with the slow reference parsers
# (or a file read back differently) fails the run.
#   tests/fuzz/run-fuzzers.sh [build-dir] [seconds-per-target] [--keep]
# --keep merges the inputs that reached new code into the kept corpus.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-$root/build/fuzz}
seconds=${2:-0}
keep=${3:-}
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "seconds must be a whole number, not '$seconds'" >&2; exit 2; }
[ -z "$keep" ] || [ "$keep" = --keep ] || { echo "unknown option '$keep'" >&2; exit 2; }
targets=(fuzz_str_to_int fuzz_str_to_float fuzz_formatters fuzz_task_file fuzz_teacher_file fuzz_pupil_list
         fuzz_result_file fuzz_journal_file)

cxx=${FUZZ_CXX:-clang++}
mkdir -p "$out/obj"
read -r -a qt_cflags <<<"$(pkg-config --cflags Qt6Core Qt6Gui)"
read -r -a qt_libs <<<"$(pkg-config --libs Qt6Core Qt6Gui)"
flags=(-std=c++20 -O1 -g -fPIC -Wall -Wextra -Werror
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -DQT_NO_CAST_FROM_ASCII -DQT_NO_CAST_TO_ASCII
       -I"$root/bench" -I"$root/classroom" -I"$root/journal" -I"$root/tests/bench" -DGRATINGLAB_VERSION='"fuzz"' "${qt_cflags[@]}")

echo "== building fuzz targets into $out"
# Every source of the layers the readers live in goes into one archive, and
# the linker takes what a target needs: a new file a reader comes to use is
# found without a list to keep up.
sources=(tests/bench/decimal_reference.cpp journal/journal_snapshot.cpp)
for src in "$root"/bench/*.cpp "$root"/classroom/*.cpp; do
  sources+=("${src#"$root"/}")
done
# Only the fuzzer's coverage hooks and sanitizers, no libFuzzer main.
obj_flags=("${flags[@]/-fsanitize=fuzzer,/-fsanitize=fuzzer-no-link,}")
objects=()
pids=()
for src in "${sources[@]}"; do
  if [ "${#pids[@]}" -ge "${FUZZ_JOBS:-2}" ]; then
    wait "${pids[0]}"
    pids=("${pids[@]:1}")
  fi
  obj="$out/obj/$(basename "$src" .cpp).o"
  "$cxx" "${obj_flags[@]}" -c "$root/$src" -o "$obj" &
  pids+=("$!")
  objects+=("$obj")
done
for pid in "${pids[@]}"; do
  wait "$pid"
done
rm -f "$out/libreaders.a"
ar rcs "$out/libreaders.a" "${objects[@]}"
for t in "${targets[@]}"; do
  "$cxx" "${flags[@]}" "$here/$t.cpp" "$out/libreaders.a" "${qt_libs[@]}" -o "$out/$t"
done

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
passed=0
failed=0
for t in "${targets[@]}"; do
  name=${t#fuzz_}
  kept="$here/corpus/$name"
  inputs=$(find "$kept" -type f | wc -l)
  [ "$inputs" -gt 0 ] || { echo "$t: no kept inputs in $kept" >&2; exit 1; }
  mkdir -p "$out/artifacts"
  log="$out/$t.log"
  common=(-timeout=10 -print_final_stats=1 -artifact_prefix="$out/artifacts/$t-")
  if [ "$seconds" -eq 0 ]; then
    echo "== $t: replaying $inputs kept inputs"
    run=("$out/$t" "$kept" -runs=0 -seed=1 "${common[@]}")
  else
    echo "== $t: ${seconds} s"
    work="$out/corpus/$name"
    rm -rf "$work" && mkdir -p "$work"
    # Number texts are short; the classroom's files need room for a list.
    case $t in fuzz_task_file|fuzz_teacher_file|fuzz_pupil_list|fuzz_result_file|fuzz_journal_file) max_len=4096 ;; *) max_len=128 ;; esac
    run=("$out/$t" "$work" "$kept" -max_total_time="$seconds" -max_len=$max_len "${common[@]}")
  fi
  if "${run[@]}" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
    if [ "$seconds" -eq 0 ]; then
      echo "$t: ok, $runs runs (the kept inputs and an empty one), $cov"
    else
      echo "$t: ok, $runs runs, $cov, corpus $(ls "$work" | wc -l) new inputs"
      if [ -n "$keep" ]; then
        before=$inputs
        "$out/$t" -merge=1 "$kept" "$work" -timeout=10 >>"$log" 2>&1
        echo "$t: kept corpus $before -> $(find "$kept" -type f | wc -l) inputs"
      fi
    fi
    passed=$((passed + 1))
  else
    echo "$t: FAILED, log follows"
    tail -40 "$log"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

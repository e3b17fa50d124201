#!/usr/bin/env bash
# A plain configure with the tests off (benchmarks left at their default)
# looks up none of GoogleTest, Google Benchmark and Qt Test, and the program
# it would build links none of them: a user without them must be able to
# build it. The sources themselves are compiled by the build that runs this
# test, so the plain build is generated and inspected, not compiled again.
#   test_plain_configure.sh SOURCE_DIR WORK_DIR TEST_BUILD_DIR
set -euo pipefail
src=$1; dir=$2; tests_build=$3
# The cache entries that a lookup of any of them leaves behind.
lookups='^[A-Za-z0-9_]*(GTest|GTEST|gtest|GMock|GMOCK|gmock|benchmark|Qt6Test)[A-Za-z0-9_]*:'
# Their libraries on a link line.
libraries='(libgtest|libgmock|libbenchmark|libQt6Test|-lgtest|-lgmock|-lbenchmark|-lQt6Test)'

# The patterns have to find the lookups and libraries of the build that runs
# this test, or their silence on the plain build would prove nothing.
seen=$(grep -E "$lookups" "$tests_build/CMakeCache.txt" || true)
expected=(GTest Qt6Test)
grep -qx 'GL_BUILD_BENCHMARKS:BOOL=ON' "$tests_build/CMakeCache.txt" && expected+=(benchmark)
for name in "${expected[@]}"; do
  grep -q "^$name" <<<"$seen" || { echo "the pattern misses the lookup of $name in $tests_build"; exit 1; }
done
grep -qE "$libraries" <<<"$(ninja -C "$tests_build" -t commands)" \
  || { echo "the pattern misses the test libraries on the link lines of $tests_build"; exit 1; }

rm -rf "$dir"; mkdir -p "$dir"
log=$dir.log
cmake -S "$src" -B "$dir" -G Ninja -DGL_BUILD_TESTS=OFF >"$log" 2>&1 || { cat "$log"; exit 1; }
if grep -E "$lookups" "$dir/CMakeCache.txt"; then
  echo "the plain configure looked up test or benchmark libraries (above)"; exit 1
fi
commands=$(ninja -C "$dir" -t commands app/gratinglab)
grep -q -- '-o app/gratinglab ' <<<"$commands" || { echo "the plain build makes no program:"; tail -n 5 <<<"$commands"; exit 1; }
if grep -E "$libraries" <<<"$commands"; then
  echo "the plain build's program links test or benchmark libraries (above)"; exit 1
fi
if grep -E '^(tests|benchmarks)/' <<<"$(ninja -C "$dir" -t targets all)"; then
  echo "the plain build has test or benchmark targets (above)"; exit 1
fi
echo "plain configure: no test or benchmark library looked up or linked; $(grep -c -- ' -o ' <<<"$commands") build steps for the program"

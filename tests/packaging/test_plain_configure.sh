#!/usr/bin/env bash
# A plain configure with the tests off (benchmarks left at their default)
# builds a working program, and looks up none of GoogleTest, Google Benchmark
# and Qt Test: a user without them must be able to build it.
#   test_plain_configure.sh SOURCE_DIR WORK_DIR TEST_BUILD_DIR
set -euo pipefail
src=$1; dir=$2; tests_build=$3
# The cache entries that a lookup of any of them leaves behind.
lookups='^[A-Za-z0-9_]*(GTest|GTEST|gtest|GMock|GMOCK|gmock|benchmark|Qt6Test)[A-Za-z0-9_]*:'

# The pattern has to find the lookups of the build that runs this test, or
# its silence on the plain build would prove nothing.
seen=$(grep -E "$lookups" "$tests_build/CMakeCache.txt" || true)
expected=(GTest Qt6Test)
grep -qx 'GL_BUILD_BENCHMARKS:BOOL=ON' "$tests_build/CMakeCache.txt" && expected+=(benchmark)
for name in "${expected[@]}"; do
  grep -q "^$name" <<<"$seen" || { echo "the pattern misses the lookup of $name in $tests_build"; exit 1; }
done

rm -rf "$dir"; mkdir -p "$dir"
log=$dir.log
cmake -S "$src" -B "$dir" -DGL_BUILD_TESTS=OFF >"$log" 2>&1 || { cat "$log"; exit 1; }
if grep -E "$lookups" "$dir/CMakeCache.txt"; then
  echo "the plain configure looked up test or benchmark libraries (above)"; exit 1
fi
cmake --build "$dir" -j 2 >"$log" 2>&1 || { tail -n 40 "$log"; exit 1; }
version=$(QT_QPA_PLATFORM=offscreen "$dir/app/gratinglab" --version)
[[ $version =~ ^gratinglab\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "the plain build's program says: $version"; exit 1; }
echo "plain configure: no test or benchmark library looked up; built $version"

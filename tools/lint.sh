#!/usr/bin/env bash
# clang-tidy (.clang-tidy) over every .cpp of the project, two at a time;
# fails on any finding. make lint runs it.
#   tools/lint.sh [FILE...]     only these files (paths from the source root)
#   GL_LINT_JOBS=1 tools/lint.sh    one at a time, on a machine others share
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=build/lint
jobs=${GL_LINT_JOBS:-2}

tidy=$(command -v clang-tidy-14 || command -v clang-tidy || true)
[ -n "$tidy" ] || { echo "clang-tidy is missing (tools/install-deps.sh installs it)" >&2; exit 1; }

# The lint preset: every target, benchmarks included, without precompiled
# headers (clang cannot read GCC's). clang-tidy needs the compile commands
# and the forms' generated headers, not a build: only the code generators
# run, none of the libraries they would otherwise wait for.
cmake --preset lint >/dev/null
mapfile -t generators < <(ninja -C "$build" -t targets all | sed -n 's/^\([A-Za-z0-9_]*_autogen\): .*/\1/p' | sort -u)
ninja -C "$build" -j "$jobs" "${generators[@]}" >/dev/null

if [ $# -gt 0 ]; then
  files=("$@")
else
  # The project's own sources: not the generated ones in the build folder.
  mapfile -t files < <(python3 - "$build/compile_commands.json" "$root" <<'PY'
import json, os, sys
root = sys.argv[2] + os.sep
for entry in json.load(open(sys.argv[1])):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if path.startswith(root) and not path.startswith(os.path.join(root, "build") + os.sep):
        print(os.path.relpath(path, sys.argv[2]))
PY
  )
fi
echo "== clang-tidy: ${#files[@]} files, $jobs at a time ($("$tidy" --version | grep -o 'version [0-9.]*'))"

logs=$(mktemp -d); trap 'rm -rf "$logs"' EXIT
export tidy build logs
# Each file's findings are printed whole, after it is done.
printf '%s\n' "${files[@]}" | sort -u | xargs -P "$jobs" -I{} sh -c '
  log="$logs/$(echo "$1" | tr / _).log"
  if "$tidy" -p "$build" --quiet "$1" >"$log" 2>&1; then
    echo "ok    $1"
  else
    echo "FAIL  $1"; grep -v "warnings generated\.$" "$log" | sed "s/^/      /"
    touch "$logs/failed"
  fi' sh {}

if [ -e "$logs/failed" ]; then
  # A header's finding shows under every file that includes it: counted once.
  echo "== clang-tidy: findings by check, each place once:" >&2
  cat "$logs"/*.log | sed -n 's/^\([^ ]*:[0-9]*:[0-9]*\): error: .*\[\([a-z0-9.-]*\).*\]$/\1 \2/p' | sort -u \
    | awk '{ print $2 }' | sort | uniq -c | sort -rn >&2
  echo "== clang-tidy: findings above (fix them, or disable the check in .clang-tidy with the reason)" >&2
  exit 1
fi
echo "== clang-tidy: clean"

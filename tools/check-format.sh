#!/usr/bin/env bash
# Fails, naming the files, when a C++ source or header of the project is not
# formatted as .clang-format says. make test runs it first.
#   tools/check-format.sh          check every tracked *.cpp and *.h
#   tools/check-format.sh --fix    format the ones that are not, in place
set -euo pipefail
cd "$(dirname "$0")/.."
fix=${1:-}
[ -z "$fix" ] || [ "$fix" = --fix ] || { echo "usage: tools/check-format.sh [--fix]" >&2; exit 2; }

# The style is tuned for Debian 12's clang-format 14; another version may
# format a few constructs differently.
format=$(command -v clang-format-14 || command -v clang-format || true)
[ -n "$format" ] || { echo "clang-format is missing (tools/install-deps.sh installs it)" >&2; exit 1; }

# Tracked files only, so that build folders and scratch files never count; a
# copy of the sources without git is checked as it stands.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||' | sort)
fi

# One run over all files; each one that needs a change is reported once.
report=$("$format" --style=file --dry-run -Werror --ferror-limit=1 "${files[@]}" 2>&1) && status=0 || status=$?
mapfile -t unformatted < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$report")
if [ "$status" -ne 0 ] && [ ${#unformatted[@]} -eq 0 ]; then
  head -n 20 <<<"$report" >&2
  echo "FAIL: clang-format could not check the files (status $status)" >&2
  exit 1
fi
[ ${#unformatted[@]} -eq 0 ] && exit 0

if [ -n "$fix" ]; then
  "$format" --style=file -i "${unformatted[@]}"
  printf 'formatted: %s\n' "${unformatted[@]}"
  exit 0
fi
{
  echo "FAIL: ${#unformatted[@]} of ${#files[@]} files are not formatted as .clang-format says ($("$format" --version)):"
  printf '  %s\n' "${unformatted[@]}"
  echo "tools/check-format.sh --fix formats them."
} >&2
exit 1

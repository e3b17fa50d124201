#!/usr/bin/env bash
# Every manual page (English, and each language's under its code) renders
# without a single groff warning, and names every long option that
# "gratinglab --help" prints, and none that it lacks.
#   test_manpages.sh BINARY SOURCE_DIR
set -euo pipefail
binary=$1; pages=$2/packaging/man
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT

long_options() { grep -oE -- '(^|[^A-Za-z0-9-])--[a-z][a-z0-9-]*' | sed 's/^[^-]*//' | sort -u; }
QT_QPA_PLATFORM=offscreen "$binary" --help | long_options >"$work/help"
[ -s "$work/help" ] || { echo "--help names no long option"; exit 1; }

status=0
shopt -s nullglob
translated=("$pages"/*/gratinglab.1)
[ "${#translated[@]}" -ge 3 ] || { echo "expected the ru, uk and kk pages, found:" "${translated[@]}"; exit 1; }
for page in "$pages/gratinglab.1" "${translated[@]}"; do
  # As lintian renders a page, with every warning category on.
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=all -E UTF-8 -l -Tutf8 "$page" >/dev/null 2>"$work/warnings"
  if [ -s "$work/warnings" ]; then echo "$page: warnings:"; cat "$work/warnings"; status=1; fi
  # Options from the source, not the rendered text, where a line may break
  # inside --wavelength-text; comments do not count.
  grep -v -E "^[.']\\\\\"" "$page" | sed 's/\\-/-/g' | long_options >"$work/page"
  missing=$(comm -23 "$work/help" "$work/page")
  unknown=$(comm -13 "$work/help" "$work/page")
  [ -z "$missing" ] || { echo "$page lacks:" $missing; status=1; }
  [ -z "$unknown" ] || { echo "$page names options --help does not:" $unknown; status=1; }
done
[ "$status" -eq 0 ] && echo "$((${#translated[@]} + 1)) pages clean, each with the $(wc -l <"$work/help") options of --help"
exit "$status"

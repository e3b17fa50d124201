#!/usr/bin/env bash
# Tests the Windows build under Wine against the Linux build of the same
# source: tools/windows/test-windows.sh LINUX_PROGRAM
#   --help exits 0;
#   --render writes the same state, and the same picture outside the text;
#   --answer-key and --class-report write the same bytes; --new-task's files
#     (its board code is drawn at random) are read alike by both programs;
#   the installer installs, the installed program runs, the uninstaller
#     removes what was installed and leaves the pupils' data;
#   a screenshot of each screen goes to docs/windows-<screen>.png.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
linux=$(realpath "$1")
out="$root/build/windows"
program="$out/gratinglab"
version=$(sed -n 's/^project(gratinglab VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
setup="$out/gratinglab-$version-setup.exe"
[ -x "$program/gratinglab.exe" ] && [ -f "$setup" ] || { echo "make windows first" >&2; exit 1; }

work=$(mktemp -d)
export WINEPREFIX="$out/wineprefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANGUAGE=ru LC_ALL=C.UTF-8
# Wine asks the X server for nothing with offscreen Qt, but its own start-up
# tools want a display; a private one keeps a developer's desktop out of it.
if [ -z "${GL_WINE_DISPLAY_STARTED:-}" ]; then
  export GL_WINE_DISPLAY_STARTED=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
cleanup() { wineserver -k 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
[ -d "$WINEPREFIX" ] || { echo "Preparing a Wine prefix in $WINEPREFIX…" >&2; wineboot -i >/dev/null 2>&1; }

failures=0
pass() { echo "ok   $1"; }
fail() { echo "FAIL $1" >&2; failures=$((failures + 1)); }
win() { wine "$program/gratinglab.exe" "$@"; }
winpath() { winepath -w "$1" 2>/dev/null; }

# --help
if win --help >"$work/help.txt" 2>&1 && grep -q -- '--render' "$work/help.txt"; then
  pass "--help exits 0 and lists the options"
else
  fail "--help"; cat "$work/help.txt" >&2
fi

# --render: the same state; the same pixels outside the text. Where the text
# lies is found on Linux, by drawing the same bench once more with Arial
# mapped to another family: what changes is text.
render=(--wavelength 589 --grating 2.0 --order 2)
"$linux" --render "$work/linux.png" "${render[@]}" --state "$work/linux.json"
win --render "$(winpath "$work/wine.png")" "${render[@]}" --state "$(winpath "$work/wine.json")"
mkdir -p "$work/fc"
cat >"$work/fc/fonts.conf" <<'XML'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <match target="pattern"><test name="family"><string>Arial</string></test>
    <edit name="family" mode="assign" binding="strong"><string>DejaVu Serif</string></edit></match>
</fontconfig>
XML
FONTCONFIG_FILE="$work/fc/fonts.conf" "$linux" --render "$work/other-font.png" "${render[@]}"
if cmp -s "$work/linux.json" "$work/wine.json"; then
  pass "--render writes the same state"
else
  fail "--render state differs"; diff "$work/linux.json" "$work/wine.json" >&2 || true
fi
compare -compose src -highlight-color white -lowlight-color black \
  "$work/linux.png" "$work/other-font.png" "$work/text.png" 2>/dev/null || true
convert "$work/text.png" -morphology Dilate Square:4 -negate "$work/outside.png"
convert "$work/linux.png" "$work/outside.png" -compose multiply -composite "$work/linux-out.png"
convert "$work/wine.png" "$work/outside.png" -compose multiply -composite "$work/wine-out.png"
differing=$(compare -metric AE "$work/linux-out.png" "$work/wine-out.png" null: 2>&1 || true)
text_pixels=$(convert "$work/text.png" -format '%[fx:int(mean*w*h)]' info:)
if [ "$differing" = "0" ] && [ "$text_pixels" -gt 0 ]; then
  pass "--render draws the same bench outside the text ($text_pixels text pixels masked)"
else
  fail "--render: $differing pixels differ outside the text"
fi

# --new-task under Wine; both programs read what it wrote, and give the same
# answer key and class report for it, byte for byte.
mkdir -p "$work/class"
printf 'Иванова Анна\nPetrenko Taras\nСейітов Абай;12\n' >"$work/pupils.txt"
if win --new-task "$(winpath "$work/t.gratinglab-teacher")" --class-folder "$(winpath "$work/class")" \
  --pupils "$(winpath "$work/pupils.txt")" --title "Проверка" --class 9Б >"$work/new-task.txt" 2>&1; then
  pass "--new-task writes the teacher's and the pupils' files"
else
  fail "--new-task under Wine"; cat "$work/new-task.txt" >&2
fi
for run in linux wine; do
  teacher="$work/t.gratinglab-teacher"
  if [ $run = linux ]; then
    "$linux" --answer-key "$teacher" --moodle-xml "$work/$run.xml" >"$work/$run-key.txt" 2>&1 || true
    "$linux" --class-report "$teacher" --results "$work/class" --csv "$work/$run.csv" >"$work/$run-report.txt" 2>&1 || true
  else
    win --answer-key "$(winpath "$teacher")" --moodle-xml "$(winpath "$work/$run.xml")" >"$work/$run-key.txt" 2>&1 || true
    win --class-report "$(winpath "$teacher")" --results "$(winpath "$work/class")" \
      --csv "$(winpath "$work/$run.csv")" >"$work/$run-report.txt" 2>&1 || true
  fi
done
for name in -key.txt .xml -report.txt .csv; do
  a="$work/linux$name"; b="$work/wine$name"
  if [ -s "$a" ] && cmp -s "$a" "$b"; then
    pass "same bytes: linux$name and wine$name"
  else
    fail "differ: linux$name and wine$name"; diff "$a" "$b" | head -5 >&2 || true
  fi
done

# Screenshots of every screen, for the README.
for screen in title procedure experiment journal; do
  if win --screenshot "$(winpath "$root/docs/windows-$screen.png")" --screen "$screen" >/dev/null 2>&1; then
    pass "screenshot of the $screen screen: docs/windows-$screen.png"
  else
    fail "screenshot of the $screen screen"
  fi
done

if win --screenshot "$(winpath "$root/docs/windows-teacher.png")" --screen teacher \
  "$(winpath "$work/t.gratinglab-teacher")" >/dev/null 2>&1; then
  pass "screenshot of the teacher's window with the task above: docs/windows-teacher.png"
else
  fail "screenshot of the teacher's window"
fi

# The pupil's window itself, on Windows' own platform: it takes the journal's
# recovery lock in the local application folder. A start is waited for
# (polled, generously), never timed.
local_data="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/gratinglab"
rm -rf "$local_data"
wine "$program/gratinglab.exe" >/dev/null 2>&1 &
window=$!
for _ in $(seq 120); do
  [ -e "$local_data/journal-recovery.lock" ] && break
  sleep 0.5
done
if [ -e "$local_data/journal-recovery.lock" ]; then
  pass "the pupil's window starts and keeps its recovery copy in %LOCALAPPDATA%\\gratinglab"
else
  fail "the pupil's window: no recovery lock in $local_data"
fi
kill "$window" 2>/dev/null || true
wineserver -k 2>/dev/null || true
wait "$window" 2>/dev/null || true

# The installer, silently: install, run, uninstall, the pupils' data kept.
wine "$setup" /S
installed="$WINEPREFIX/drive_c/Program Files/gratinglab"
if [ -f "$installed/gratinglab.exe" ] &&
   wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\gratinglab' >/dev/null 2>&1 &&
   wine reg query 'HKLM\Software\Classes\.gratinglab-task' >/dev/null 2>&1 &&
   wine reg query 'HKLM\Software\Classes\gratinglab.teacher\shell\open\command' 2>/dev/null | grep -q -- '--teacher'; then
  pass "setup.exe /S installs the program, its uninstall key and its file types"
else
  fail "setup.exe /S"
fi
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
if [ -f "$menu/Измерение длины световой волны.lnk" ] && [ -f "$menu/Измерение длины световой волны — учителю.lnk" ]; then
  pass "two Start-menu entries"
else
  fail "Start-menu entries"; ls "$menu" >&2 || true
fi
if wine "$installed/gratinglab.exe" --version >"$work/version.txt" 2>&1 && grep -q "$version" "$work/version.txt"; then
  pass "the installed program runs"
else
  fail "the installed program"; cat "$work/version.txt" >&2
fi
pupil_data="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/gratinglab"
mkdir -p "$pupil_data" && echo keep >"$pupil_data/keep.txt"
# The uninstaller copies itself away and returns at once: wait for it.
wine "$installed/uninstall.exe" /S
wineserver -w
if [ ! -e "$installed" ] &&
   ! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\gratinglab' >/dev/null 2>&1 &&
   [ -f "$pupil_data/keep.txt" ]; then
  pass "uninstall.exe /S removes the program and leaves the pupils' data"
else
  fail "uninstall.exe /S"; ls -R "$installed" >&2 2>/dev/null || true
fi
rm -rf "$pupil_data"

[ $failures -eq 0 ] || { echo "$failures Windows checks failed" >&2; exit 1; }
echo "All Windows checks passed."

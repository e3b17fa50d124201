#!/usr/bin/env bash
# Builds the .deb from this build tree, lints it, unpacks it into a temporary
# root and runs the installed program there in render mode.
#   test_deb.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1; src=$2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/gratinglab_*.deb)
echo "package: $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for need in libqt6widgets6 libqt6gui6 libc6 fonts-liberation2 fonts-dejavu-core qt6-translations-l10n; do
  grep -q "$need" <<<"$depends" || { echo "missing dependency $need"; exit 1; }
done

# What a distribution checks first. Info tags are allowed; an override would
# need its reason written beside it.
command -v lintian >/dev/null || { echo "lintian is missing (tools/install-deps.sh installs it)"; exit 1; }
lint_status=0
lintian --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || lint_status=$?
grep -v 'running with root privileges' "$work/lintian.log" || true
[ "$lint_status" -eq 0 ] || { echo "lintian reports errors or warnings (status $lint_status)"; exit 1; }
echo "lintian: no errors, no warnings"

root="$work/root"
dpkg -x "$deb" "$root"
app=org.gratinglab.GratingLab
doc=usr/share/doc/gratinglab
for f in usr/bin/gratinglab \
         $doc/copyright $doc/changelog.gz \
         usr/share/man/man1/gratinglab.1.gz usr/share/man/ru/man1/gratinglab.1.gz \
         usr/share/man/uk/man1/gratinglab.1.gz usr/share/man/kk/man1/gratinglab.1.gz \
         usr/share/applications/$app.desktop \
         usr/share/metainfo/$app.metainfo.xml \
         usr/share/mime/packages/$app.xml \
         usr/share/icons/hicolor/16x16/apps/$app.png \
         usr/share/icons/hicolor/48x48/apps/$app.png \
         usr/share/icons/hicolor/256x256/apps/$app.png; do
  [ -f "$root/$f" ] || { echo "not installed: $f"; exit 1; }
done
head -n1 "$root/$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || { echo "copyright is not in the machine-readable format"; exit 1; }

# A new version needs its changelog entry and its AppStream release.
version=$(dpkg-deb -f "$deb" Version)
gunzip -c "$root/$doc/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] \
  || { echo "the changelog's latest entry is not version $version"; exit 1; }
grep -m1 '<release ' "$root/usr/share/metainfo/$app.metainfo.xml" | grep -q "version=\"$version\"" \
  || { echo "the metainfo's latest release is not version $version"; exit 1; }

identify_size() { python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]))' "$1"; }
[ "$(identify_size "$root/usr/share/icons/hicolor/256x256/apps/$app.png")" = "256 256" ] || { echo "icon size wrong"; exit 1; }

# The menu entry's command is the installed binary (before its %f).
exec_line=$(grep -m1 '^Exec=' "$root/usr/share/applications/$app.desktop" | cut -d= -f2 | cut -d' ' -f1)
[ -x "$root/usr/bin/$exec_line" ] || { echo "Exec=$exec_line is not the installed binary"; exit 1; }

# A check whose tool is missing is passed over on a developer's machine, but
# fails the run in CI, where tools/install-deps.sh has installed everything.
have() {
  command -v "$1" >/dev/null && return 0
  [ "${CI:-}" = true ] && { echo "FAIL: $1 is missing (tools/install-deps.sh installs it)"; exit 1; }
  echo "SKIPPED: $1 is missing, its check is not made"
  return 1
}

if have desktop-file-validate; then
  desktop-file-validate "$root/usr/share/applications/$app.desktop" | grep -v '^.*hint:' || true
  ! desktop-file-validate "$root/usr/share/applications/$app.desktop" | grep -q 'error:'
fi
# The class folder's task files are of the type the menu entry opens.
if have update-mime-database; then
  update-mime-database "$root/usr/share/mime"
  grep -q '<glob pattern="\*.gratinglab-task"/>' "$root/usr/share/mime/application/x-gratinglab-task.xml"
  grep -q '^MimeType=application/x-gratinglab-task;$' "$root/usr/share/applications/$app.desktop"
fi
if have appstreamcli; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml"
fi

QT_QPA_PLATFORM=offscreen "$root/usr/bin/gratinglab" --render "$work/bench.png" --wavelength 589 --grating 2,0 --order 2
python3 - "$work/bench.png" <<'PY'
import struct, sys
d = open(sys.argv[1], "rb").read()
assert d[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
w, h = struct.unpack(">II", d[16:24])
assert (w, h) == (945, 445), (w, h)
PY
echo "installed binary rendered the bench"

# The menu entry's command opens the window on a display of its own.
if have Xvfb && have xdotool; then
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start"; kill $xvfb_pid; exit 1; }
  app_pid=
  stop_display() { [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null; kill "$xvfb_pid" 2>/dev/null; wait 2>/dev/null || true; }
  (
    export DISPLAY=":$(head -n1 "$work/display")"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    PATH="$root/usr/bin:$PATH" $exec_line 2>"$work/app.log" &
    echo $! >"$work/app.pid"
    timeout 30 xdotool search --sync --onlyvisible --name 'Измерение длины световой волны' >/dev/null
  ) || { cat "$work/app.log"; app_pid=$(cat "$work/app.pid" 2>/dev/null); stop_display; echo "the menu entry's command opened no window"; exit 1; }
  app_pid=$(cat "$work/app.pid")
  stop_display
  echo "the menu entry's command opened the window"
fi

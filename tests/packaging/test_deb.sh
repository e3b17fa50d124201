#!/usr/bin/env bash
# Builds the .deb from this build tree, unpacks it into a temporary root and
# runs the installed program there in render mode.
#   test_deb.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1; src=$2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/gratinglab_*.deb)
echo "package: $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for need in libqt6widgets6 libqt6gui6 libc6 fonts-liberation2; do
  grep -q "$need" <<<"$depends" || { echo "missing dependency $need"; exit 1; }
done

root="$work/root"
dpkg -x "$deb" "$root"
app=org.gratinglab.GratingLab
for f in usr/bin/gratinglab \
         usr/share/applications/$app.desktop \
         usr/share/metainfo/$app.metainfo.xml \
         usr/share/icons/hicolor/16x16/apps/$app.png \
         usr/share/icons/hicolor/48x48/apps/$app.png \
         usr/share/icons/hicolor/256x256/apps/$app.png; do
  [ -f "$root/$f" ] || { echo "not installed: $f"; exit 1; }
done
identify_size() { python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]))' "$1"; }
[ "$(identify_size "$root/usr/share/icons/hicolor/256x256/apps/$app.png")" = "256 256" ] || { echo "icon size wrong"; exit 1; }

# The menu entry's command is the installed binary.
exec_line=$(grep -m1 '^Exec=' "$root/usr/share/applications/$app.desktop" | cut -d= -f2)
[ -x "$root/usr/bin/$exec_line" ] || { echo "Exec=$exec_line is not the installed binary"; exit 1; }

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/$app.desktop" | grep -v '^.*hint:' || true
  ! desktop-file-validate "$root/usr/share/applications/$app.desktop" | grep -q 'error:'
fi
if command -v appstreamcli >/dev/null; then
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
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
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

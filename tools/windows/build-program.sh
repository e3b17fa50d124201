#!/usr/bin/env bash
# Builds the Windows program with the cross Qt (build-qt.sh), gathers what it
# needs to run into one folder, and makes the installer and the portable zip:
#   build/windows/gratinglab-<version>-setup.exe
#   build/windows/gratinglab-<version>-portable.zip
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
here="$root/tools/windows"
out="$root/build/windows"
qt=$("$here/build-qt.sh" | tail -1)
version=$(sed -n 's/^project(gratinglab VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")

echo "Building gratinglab $version for Windows…" >&2
"$qt/bin/qt-cmake" -S "$root" -B "$out/build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DGL_BUILD_TESTS=OFF >"$out.configure.log" 2>&1 ||
  { tail -30 "$out.configure.log" >&2; exit 1; }
nice cmake --build "$out/build" --target gratinglab

# No windeployqt for a cross build: the folder is listed here. PNG and JPEG
# are read by Qt Gui itself, so no image-format plugins are needed.
program="$out/gratinglab"
rm -rf "$program"
mkdir -p "$program/platforms" "$program/styles" "$program/translations" "$program/fonts"
# qt_standard_project_setup() puts Windows programs at the top of the build,
# beside the DLLs they would load there.
cp "$out/build/gratinglab.exe" "$out/build/app/gratinglab.ico" "$program/"
for lib in Core Gui Widgets PrintSupport; do
  cp "$qt/bin/Qt6$lib.dll" "$program/"
done
# The window-less modes (render, answer key, screenshots) draw off screen.
cp "$qt/plugins/platforms/qwindows.dll" "$qt/plugins/platforms/qoffscreen.dll" "$program/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$program/styles/"
gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
cp "$gcc_dir/libstdc++-6.dll" "$gcc_dir/libgcc_s_seh-1.dll" "$program/"
cp /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$program/"
x86_64-w64-mingw32-strip "$program"/*.exe "$program"/*.dll "$program"/*/*.dll
# Qt's own texts (buttons of standard dialogs) come from Debian's files, the
# same .qm on every system.
for lang in ru uk en; do
  cp "/usr/share/qt6/translations/qtbase_$lang.qm" "$program/translations/"
done
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$program/qt.conf"
# Arial's metric twin, for computers without Arial, and the title banner's
# DejaVu Sans, which Windows lacks (app/bundled_fonts.h).
cp /usr/share/fonts/truetype/liberation2/LiberationSans-{Regular,Bold,Italic,BoldItalic}.ttf "$program/fonts/"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans{,-Bold}.ttf "$program/fonts/"
sed 's/$/\r/' /usr/share/doc/fonts-liberation2/copyright >"$program/fonts/LICENSE-LiberationSans.txt"
sed 's/$/\r/' /usr/share/doc/fonts-dejavu-core/copyright >"$program/fonts/LICENSE-DejaVuSans.txt"
sed 's/$/\r/' "$root/LICENSE" >"$program/LICENSE.txt"

# The uninstaller removes exactly these files, then the folders, deepest first.
(cd "$program" && {
  find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|^|  Delete "$INSTDIR\\|; s|$|"|'
  find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|^|  RMDir "$INSTDIR\\|; s|$|"|'
}) >"$out/uninstall-files.nsh"

setup="$out/gratinglab-$version-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 -NOCD "-X!addincludedir $out" \
  "-DVERSION=$version" "-DPROGRAM_DIR=$program" "-DOUT_FILE=$setup" \
  "-DLICENSE=$program/LICENSE.txt" "$here/installer.nsi"

zip_file="$out/gratinglab-$version-portable.zip"
rm -f "$zip_file"
(cd "$out" && mv gratinglab "gratinglab-$version" && zip -qr "$zip_file" "gratinglab-$version" &&
  mv "gratinglab-$version" gratinglab)
ls -l "$setup" "$zip_file" >&2

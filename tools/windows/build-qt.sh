#!/usr/bin/env bash
# Builds Qt for Windows once, from Debian's own qt6-base source, into a cache
# outside the tree keyed by the Qt version and this configure line; later runs
# find it and return at once. Prints where the Qt is on its last line.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cache=${GL_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/gratinglab}
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/+.*//')

configure_line=(
  -release -shared -nomake tests -nomake examples
  -no-opengl -no-dbus -no-icu
  -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz
  -no-feature-sql -no-feature-network -no-feature-testlib
  -no-feature-tabletevent
)
# The key changes with the configure line or the toolchain, so a changed
# recipe builds afresh instead of reusing a Qt built another way.
key=$(printf '%s\n' "${configure_line[@]}" | cat - "$here/mingw64-toolchain.cmake" |
  sha256sum | cut -c1-10)
prefix="$cache/qt-$qt_version-mingw64-$key"
if [ -x "$prefix/bin/qt-cmake" ] && [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

mkdir -p "$cache/src"
src=$(find "$cache/src" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -1)
if [ -z "$src" ]; then
  echo "Fetching Qt's source (qt6-base $qt_version) from the Debian archive…" >&2
  (cd "$cache/src" && apt-get source -qq qt6-base="$(dpkg-query -W -f='${Version}' qt6-base-dev)" >/dev/null)
  src=$(find "$cache/src" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -1)
fi

build="$cache/build-qt-$key"
mkdir -p "$build"
echo "Configuring Qt $qt_version for Windows in $build…" >&2
(cd "$build" && "$src/configure" -prefix "$prefix" \
  "${configure_line[@]}" \
  -qt-host-path /usr \
  -- -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw64-toolchain.cmake" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  >"$build/configure.log" 2>&1) ||
  { tail -30 "$build/configure.log" >&2; exit 1; }

echo "Building Qt for Windows: most of an hour the first time (progress as [done/all])…" >&2
jobs=${GL_WINDOWS_JOBS:-$(nproc)}
# Ninja's own progress line, one per 100 steps so a log stays readable.
nice ninja -C "$build" -j "$jobs" 2>&1 | tee "$build/build.log" |
  awk '/^\[[0-9]+\/[0-9]+\]/ { split(substr($1, 2), a, "/"); n = a[1] + 0;
        if (n % 100 == 0 || n == a[2] + 0) { printf "  Qt %s\n", $1 > "/dev/stderr"; fflush() } }
       /FAILED|error:/ { print > "/dev/stderr" }'
[ "${PIPESTATUS[0]}" -eq 0 ] || { echo "Qt's build failed: $build/build.log" >&2; exit 1; }
ninja -C "$build" install >"$build/install.log" 2>&1 ||
  { tail -20 "$build/install.log" >&2; exit 1; }
touch "$prefix/.complete"
echo "$prefix"

#!/usr/bin/env bash
# Installs what the Windows build needs on top of tools/install-deps.sh: the
# MinGW-w64 cross compiler (posix threads, which Qt needs), Wine to run and
# test the result, NSIS for the installer, and a deb-src entry so that Qt's
# own source comes from the same Debian archive as everything else.
# Idempotent and quiet when everything is present.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
  wine64 wine nsis zip unzip dpkg-dev
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive

# A deb-src twin of every enabled deb entry, written once.
src_list=/etc/apt/sources.list.d/gratinglab-deb-src.sources
need_update=0
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ &&
   ! grep -qs '^deb-src ' /etc/apt/sources.list; then
  tmp=$(mktemp)
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    sed -n '/^Types:/,/^$/p' "$f" | sed 's/^Types: *deb$/Types: deb-src/'
    echo
  done >"$tmp"
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list >"$tmp.list"
  fi
  echo "Adding deb-src entries for Qt's source: $src_list" >&2
  if [ -s "$tmp" ]; then
    "${sudo_cmd[@]}" install -m 644 "$tmp" "$src_list"
  fi
  if [ -s "$tmp.list" ]; then
    "${sudo_cmd[@]}" install -m 644 "$tmp.list" /etc/apt/sources.list.d/gratinglab-deb-src.list
  fi
  rm -f "$tmp" "$tmp.list"
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  "${sudo_cmd[@]}" apt-get update -qq
fi
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}" >&2
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null

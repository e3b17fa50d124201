#!/usr/bin/env bash
# Installs the Debian packages gratinglab needs to build, run and test.
# Idempotent and quiet when everything is present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev
  qt6-qpa-plugins libqt6test6 qt6-translations-l10n qt6-l10n-tools
  xvfb xauth xdotool x11-utils openbox
  dbus at-spi2-core python3-pyatspi
  fonts-liberation2 fonts-dejavu-core
  imagemagick poppler-utils
  samba smbnetfs
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  clang-format clang-tidy
  appstream desktop-file-utils shared-mime-info
  poppler-utils
  dpkg-dev file python3
  locales
  lintian man-db groff-base
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The Russian locale, which the end-to-end tests start the program under. A
# fresh Debian has only C.UTF-8, and without it the C library (and a FUSE
# share's file names) would fall back to ASCII while Qt reads Russian.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
  echo "Generating the locale ru_RU.UTF-8" >&2
  "${sudo_cmd[@]}" localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi

#!/usr/bin/env bash
# Starts the program, or says in one line why it cannot: without a display
# Qt would abort with a long platform-plugin trace instead.
set -u
bin=$1; shift
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "gratinglab: no display available (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session, or use 'gratinglab --render OUT.png' for a picture without one." >&2
  exit 1
fi
exec "$bin" "$@"

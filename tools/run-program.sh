#!/usr/bin/env bash
# Starts the program, or says in one line why it cannot: without a display
# Qt would abort with a long platform-plugin trace instead.
set -u
bin=$1; shift
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "gratinglab: нет дисплея (DISPLAY и WAYLAND_DISPLAY не заданы): запустите программу в сеансе рабочего стола или возьмите «gratinglab --render ФАЙЛ.png» для картины без окна." >&2
  exit 1
fi
exec "$bin" "$@"

#!/usr/bin/env bash
# The longest event-loop stall of the pupil's window and the teacher's table
# while the class folder's Samba server hangs: a server of its own on
# 127.0.0.1, one smbnetfs mount, the server frozen for 15 s by
# bench_share_stall itself. Reports the stall and its ratio to the 100 ms
# bound. Without smbd, smbnetfs or /dev/fuse it says so and ends.
# Usage: share_stall.sh path/to/bench_share_stall [benchmark options]
set -euo pipefail
program=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
# samba_share.sh skips with 77 when the tools are missing.
CI=false . "$here/../tests/share/samba_share.sh"
share_begin
export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$share_root/data" XDG_CONFIG_HOME="$share_root/config"
share_start_server
share_mount pupil
folder=$(share_folder pupil)
mkdir -p "$folder/Результаты"
GL_STALL_CLASS_FOLDER="$folder" GL_STALL_SERVER_GROUP="$share_server" "$program" "$@"

# Sourced by the tests of a class folder on a real school share: a Samba
# server of its own on 127.0.0.1 (its own configuration, state and port, the
# system's Samba untouched), and one FUSE mount (smbnetfs) per simulated
# computer. The server can be stopped, frozen, thawed and started again; on
# exit everything is unmounted and every process it started is ended.
#
#   share_begin                 scratch folder $share_root, the exit trap
#   share_start_server          start smbd (a free port above 1024 the first time)
#   share_stop_server           end smbd and every process of it
#   share_freeze_server         SIGSTOP to all its processes, as a hung server
#   share_thaw_server           SIGCONT
#   share_mount NAME [OPT,...]  a computer NAME: its mount, ready to use; OPT
#                               are smbnetfs's -o options (smb_timeout=3000)
#   share_folder NAME           the class folder as computer NAME sees it
#   share_track PID             a process of the test, ended first on exit
# $share_served is the folder behind the share, as the server holds it.

# A missing tool skips the test on a developer's machine; in CI (CI=true) a
# skip would pass a run that tested nothing, so there it fails.
share_missing() {
    if [ "${CI:-}" = true ]; then
        echo "FAIL: $1, and CI=true allows no skip (tools/install-deps.sh installs it)" >&2
        exit 1
    fi
    echo "SKIP: $1 (tools/install-deps.sh installs it)"
    exit 77
}

share_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

share_require() {
    # smbd lives in /usr/sbin, outside an ordinary user's PATH.
    PATH="$PATH:/usr/sbin:/sbin"
    local tool
    for tool in smbd smbpasswd smbnetfs setsid pkill; do
        command -v "$tool" >/dev/null 2>&1 || share_missing "$tool is not installed"
    done
    [ -c /dev/fuse ] && [ -r /dev/fuse ] && [ -w /dev/fuse ] || share_missing "/dev/fuse is not there to use"
    # smbnetfs mounts by itself as root; anyone else needs fusermount.
    [ "$(id -u)" -eq 0 ] || command -v fusermount >/dev/null 2>&1 \
        || share_missing "not root, and fusermount (package fuse) is not installed"
}

share_begin() {
    share_require
    share_root=$(mktemp -d)
    share_served="$share_root/served"
    share_server=""
    share_port=""
    share_password="pw$RANDOM$RANDOM"
    share_mounts=()
    share_clients=()
    share_tracked=()
    mkdir -p "$share_served" "$share_root/server"
    trap share_end EXIT
    trap 'exit 143' TERM INT HUP
    # Under set -e a command that fails unexpectedly says where.
    trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
}

share_track() { share_tracked+=("$1"); }

share_mounted() { grep -q " $1 fuse" /proc/mounts; }

share_end() {
    local status=$? pid mount
    trap - EXIT TERM INT HUP ERR
    set +e
    # The test's own last words (e.g. keeping its logs), while all still runs.
    declare -F share_on_end >/dev/null && share_on_end
    # A hung server would hang every unmount and kill below.
    [ -n "$share_server" ] && kill -CONT -- "-$share_server" 2>/dev/null
    # A tracked shell function's current command goes with it; stopped
    # first, the function starts no other.
    for pid in "${share_tracked[@]}"; do
        kill -STOP "$pid" 2>/dev/null
        pkill -KILL -P "$pid" 2>/dev/null
        kill -KILL "$pid" 2>/dev/null
    done
    for mount in "${share_mounts[@]}"; do
        if share_mounted "$mount"; then
            if [ "$(id -u)" -eq 0 ]; then umount -l "$mount"; else fusermount -u -z "$mount"; fi
        fi
    done
    for pid in "${share_clients[@]}"; do kill -TERM -- "-$pid" 2>/dev/null; done
    share_stop_server
    for pid in "${share_tracked[@]}" "${share_clients[@]}"; do wait "$pid" 2>/dev/null; done
    # Never a recursive delete through a mount that is still there.
    for mount in "${share_mounts[@]}"; do
        if share_mounted "$mount"; then
            echo "share_end: $mount is still mounted; $share_root is left" >&2
            exit $((status == 0 ? 1 : status))
        fi
    done
    rm -rf "$share_root"
    exit "$status"
}

share_listening() { (: <>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

share_write_server_config() {
    local s="$share_root/server"
    mkdir -p "$s"/{private,lock,state,cache,pid,ncalrpc,binddns,log}
    cat >"$s/smb.conf" <<EOF
[global]
  server role = standalone server
  workgroup = SCHOOL
  interfaces = 127.0.0.1
  bind interfaces only = yes
  smb ports = $share_port
  disable netbios = yes
  private dir = $s/private
  lock directory = $s/lock
  state directory = $s/state
  cache directory = $s/cache
  pid directory = $s/pid
  ncalrpc dir = $s/ncalrpc
  binddns dir = $s/binddns
  log file = $s/log/log.%m
  passdb backend = tdbsam:$s/private/passdb.tdb
  usershare path =
  rpc start on demand helpers = no
  load printers = no
  printing = bsd
  printcap name = /dev/null
  disable spoolss = yes
  unix charset = UTF-8
[klass]
  path = $share_served
  read only = no
EOF
    printf '%s\n%s\n' "$share_password" "$share_password" \
        | smbpasswd -c "$s/smb.conf" -s -a root >"$s/log/smbpasswd.log" 2>&1 \
        || share_fail "smbpasswd: $(cat "$s/log/smbpasswd.log")"
}

# smbd in a session of its own, so that one signal reaches every process of
# the server; true once it listens.
share_run_smbd() {
    local _
    setsid smbd --foreground --no-process-group -s "$share_root/server/smb.conf" -l "$share_root/server/log" \
        >>"$share_root/server/log/smbd.out" 2>&1 &
    share_server=$!
    for _ in $(seq 100); do
        share_listening "$share_port" && return 0
        kill -0 "$share_server" 2>/dev/null || break
        sleep 0.1
    done
    share_stop_server
    return 1
}

share_start_server() {
    local _
    if [ -n "$share_port" ]; then
        # Started again: the port is the one the mounts know.
        share_run_smbd && return 0
    else
        for _ in 1 2 3 4 5; do
            share_port=$((20000 + RANDOM % 40000))
            share_listening "$share_port" && continue
            share_write_server_config
            share_run_smbd && return 0
        done
    fi
    share_fail "smbd did not start on port $share_port: $(tail -n 20 "$share_root/server/log/"*)"
}

share_stop_server() {
    [ -n "$share_server" ] || return 0
    local _
    kill -CONT -- "-$share_server" 2>/dev/null || true
    kill -TERM -- "-$share_server" 2>/dev/null || true
    wait "$share_server" 2>/dev/null || true
    # The children that serve each client end on their own, soon after.
    for _ in $(seq 100); do
        kill -0 -- "-$share_server" 2>/dev/null || break
        sleep 0.05
    done
    kill -KILL -- "-$share_server" 2>/dev/null || true
    share_server=""
}

share_freeze_server() { kill -STOP -- "-$share_server"; }
share_thaw_server() { kill -CONT -- "-$share_server"; }

# The host with its port: smbnetfs hands the name to libsmbclient as it is,
# and libsmbclient takes smb://host:port/. A client smb.conf of its own keeps
# libsmbclient's caches out of the system's folders.
share_folder() { echo "$share_root/$1/mnt/127.0.0.1:$share_port/klass"; }

share_mount() {
    local c="$share_root/$1" _
    mkdir -p "$c"/mnt "$c"/home/.smb "$c"/state
    cat >"$c/home/.smb/smb.conf" <<EOF
[global]
  workgroup = SCHOOL
  private dir = $c/state
  lock directory = $c/state
  state directory = $c/state
  cache directory = $c/state
  ncalrpc dir = $c/state
  unix charset = UTF-8
EOF
    cat >"$c/home/.smb/smbnetfs.conf" <<EOF
auth "root" "$share_password"
smb_query_browsers "false"
use_libsecret "false"
log_file "$c/smbnetfs.log"
EOF
    chmod 600 "$c/home/.smb/smbnetfs.conf"
    HOME="$c/home" setsid smbnetfs "$c/mnt" -f -o "config=$c/home/.smb/smbnetfs.conf${2:+,$2}" \
        >"$c/smbnetfs.out" 2>&1 &
    share_clients+=($!)
    share_mounts+=("$c/mnt")
    for _ in $(seq 100); do
        share_mounted "$c/mnt" && [ -d "$(share_folder "$1")" ] && return 0
        kill -0 "${share_clients[-1]}" 2>/dev/null || break
        sleep 0.1
    done
    share_fail "smbnetfs did not mount the share for $1: $(cat "$c/smbnetfs.out" "$c/smbnetfs.log" 2>/dev/null)"
}

#!/usr/bin/env bash
# The class folder on a real share: a Samba server on 127.0.0.1 and two
# computers that mount it through smbnetfs, the pupils' and the teacher's.
# The teacher makes the task there with --new-task; three pupils' writers
# (the program's own result writer) check 60 times each while the teacher's
# --class-report scans the folder again and again. The server is stopped
# after check 20 and started again before check 31. Then every check must be
# on the share, and no scan may ever have seen an empty result file.
# Usage: share_e2e.sh path/to/gratinglab path/to/result_writer
# Without smbd, smbnetfs or /dev/fuse it skips (77), except in CI (CI=true).
#
# The writers go on past a failed write and send the last check again until
# it gets there (--keep-trying), as the program must once it retries by itself.
#
# Three failures are reported as XFAIL rather than failing the run, as each
# is now rare and depends on timing the test does not control: a write that
# fails while the teacher's computer holds both the file and its «…-2» (a
# rename over a file open elsewhere fails with EEXIST through this client),
# a file read cut short to its old size that is still cut a second later
# (the client's attribute cache), and a --class-report that read none of the
# files yet ended with status 0. The writer tries a failed write again, so
# every check must still be on the share. GL_SHARE_STRICT=1 makes them fail.
set -euo pipefail

bin=$1
writer=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/samba_share.sh"
share_begin
work="$share_root/test"
mkdir -p "$work"
export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"

# GL_SHARE_LOGS=DIR keeps the logs there: the writers', the reader's, each
# computer's smbnetfs and the server's.
share_on_end() {
    [ -n "${GL_SHARE_LOGS:-}" ] || return 0
    mkdir -p "$GL_SHARE_LOGS"
    cp "$work"/*.log "$GL_SHARE_LOGS"/
    for c in pupils teacher; do cp "$share_root/$c/smbnetfs.log" "$GL_SHARE_LOGS/smbnetfs-$c.log" 2>/dev/null; done
    cp "$share_root/server/log/"* "$GL_SHARE_LOGS"/ 2>/dev/null
    return 0
}

share_start_server
# GL_SHARE_MOUNT_OPTIONS: smbnetfs's -o options for both computers, to try
# what an administrator might set (attr_timeout=0).
share_mount pupils "${GL_SHARE_MOUNT_OPTIONS:-}"
share_mount teacher "${GL_SHARE_MOUNT_OPTIONS:-}"
pupils=$(share_folder pupils)
teacher=$(share_folder teacher)

# GL_SHARE_PUPILS and GL_SHARE_CHECKS make a bigger class (20 × 50 for the
# classroom's worst case; at least 31 checks, for the server's stop).
checks=${GL_SHARE_CHECKS:-60}
count=${GL_SHARE_PUPILS:-3}
names=("Иванов Пётр" "Петрова Анна" "Сидоров Илья")
for v in $(seq 4 "$count"); do names+=("Ученик $v"); done
printf '%s\n' "${names[@]}" >"$work/list.txt"
key="$work/9b.gratinglab-teacher"
code=$("$bin" --new-task "$key" --class-folder "$teacher" --pupils "$work/list.txt" 2>"$work/new-task.err") \
    || share_fail "--new-task on the share: $(cat "$work/new-task.err")"
[ -s "$share_served/9b.gratinglab-task" ] || share_fail "--new-task left no task file on the share"
mkdir "$pupils/Результаты"
# The table once all is there: name, variant, checks, solved.
expect=""
for v in $(seq "$count"); do expect+="${names[v - 1]}	$v	$checks	1"$'\n'; done
expect=${expect%$'\n'}

# The phase the server is in, as the reader logs it: up, down (stopped),
# restarting, back (both computers see the folder again), done (the writers
# have ended).
phase() { echo "$1" >"$work/phase"; }
phase up

# The reader: for each result file it meets, its listed size and the bytes a
# whole read gives; then the real --class-report. A scan is logged with the
# phase it began and ended in. Once the writers are done it scans until the
# table holds every check (at most 20 times).
reader() {
    local scan=0 after=0 f begun ended status seen served
    while [ "$after" -lt 20 ]; do
        scan=$((scan + 1))
        begun=$(cat "$work/phase")
        served=$(find "$share_served/Результаты" -name '*.gratinglab-result' | wc -l)
        seen=0
        for f in "$teacher/Результаты"/*.gratinglab-result; do
            [ -e "$f" ] || continue
            seen=$((seen + 1))
            echo "scan $scan file ${f##*/} listed $(stat -c %s "$f" 2>/dev/null || echo gone)" \
                "read $(wc -c <"$f" 2>/dev/null || echo failed)"
        done
        status=0
        "$bin" --class-report "$key" --results "$teacher" >"$work/scan.out" 2>"$work/scan.err" || status=$?
        ended=$(cat "$work/phase")
        [ "$begun" = "$ended" ] || begun="$begun-$ended"
        echo "scan $scan status $status phase $begun seen $seen served $served at $(date +%T.%N | cut -c1-12)"
        sed "s/^/scan $scan out /" "$work/scan.out"
        sed "s/^/scan $scan err /" "$work/scan.err"
        if [ "$begun" = done ]; then
            after=$((after + 1))
            # An earlier copy under «…-2» (written while the teacher's computer
            # held the file) is the same pupil's, told as a repeat.
            if [ "$(cut -f1,2,4,5 "$work/scan.out")" = "$expect" ] \
                && ! grep -qv 'повтор: для этого ученика учтён файл' "$work/scan.err"; then
                echo "scan $scan settled"
                break
            fi
        fi
    done >"$work/reader.log" 2>&1
}
reader &
reader_pid=$!
share_track "$reader_pid"

# The writers, each held on a pipe of its own: started by a line, held
# before check 21 and before check 31 until the next line.
writer_fds=()
for v in $(seq "$count"); do
    mkfifo "$work/go$v"
    "$writer" "$pupils/Результаты" "$code" "$v" "${names[v - 1]}" "$checks" --keep-trying --pace 40 \
        --hold-before 21 --hold-before 31 <"$work/go$v" >"$work/writer$v.log" 2>&1 &
    share_track $!
    writer_pids[v]=$!
    exec {fd}>"$work/go$v"
    writer_fds[v]=$fd
done
release() { for v in $(seq "$count"); do echo >&"${writer_fds[v]}"; done; }
# until_all PATTERN: every writer has printed a line matching it.
until_all() {
    local _ v ready
    for _ in $(seq 1200); do
        ready=0
        for v in $(seq "$count"); do grep -q "$1" "$work/writer$v.log" && ready=$((ready + 1)); done
        [ "$ready" -eq "$count" ] && return 0
        sleep 0.05
    done
    share_fail "not every writer got to '$1': $(tail -n 3 "$work"/writer*.log)"
}

release
until_all '^held 21$'
share_stop_server
phase down
release
until_all '^held 31$'
phase restarting
share_start_server
# The clients find the server again on their own, a few seconds later.
for _ in $(seq 300); do
    [ -d "$pupils/Результаты" ] && [ -d "$teacher/Результаты" ] && break
    sleep 0.05
done
[ -d "$pupils/Результаты" ] && [ -d "$teacher/Результаты" ] || share_fail "the computers do not see the share again"
phase back
release
for v in $(seq "$count"); do
    status=0
    wait "${writer_pids[v]}" || status=$?
    [ "$status" -eq 0 ] || share_fail "writer $v ended with $status: $(tail -n 5 "$work/writer$v.log")"
done
phase done
wait "$reader_pid" || share_fail "the reader failed: $(tail -n 5 "$work/reader.log")"

# What the test saw, counted and shown.
failures() { { grep -h '^failed' "$work"/writer*.log || true; } | awk -v from="$1" -v to="$2" '{ n = $2 + 0 } n >= from && n <= to'; }
reasons() { sed -E 's/^failed [0-9]+: [^»]*»: //; s/«[^»]*»/«…»/g' | sort | uniq -c | sed 's/^ */  /'; }
held_file=$(failures 1 "$checks" | grep -c 'файл занят' || true)
scans=$(grep -c '^scan [0-9]* status' "$work/reader.log")
empty=$(grep -E '^scan [0-9]+ file .* (listed|read) 0( |$)' "$work/reader.log" || true)
up_scans() { { grep -E '^scan [0-9]+ status [0-9]+ phase (up|back|done) ' "$work/reader.log" || true; } | cut -d' ' -f2; }
cut_reads=0
for n in $(up_scans); do
    c=$(grep -c "^scan $n err .*не файл результатов" "$work/reader.log" || true)
    cut_reads=$((cut_reads + c))
done
# A pupil's row that shows fewer checks than the scan before (the file gone
# or cut short for a moment), the server up: measured, not judged here, as
# --class-report keeps no earlier scan.
drops=$(awk -F'\t' '/^scan [0-9]+ status / { split($0, w, " "); up = w[6] ~ /^(up|back|done)$/ }
    up && / out / { k = $1; sub(/^scan [0-9]+ out /, "", k); if (k in seen && $4 + 0 < seen[k]) n++; seen[k] = $4 + 0 }
    END { print n + 0 }' "$work/reader.log")
# Scans that found none of the files the server held: the server stopped, or
# the teacher's client still failing after an error it met.
blind() { grep -cE "^scan [0-9]+ status $1 phase $2 seen 0 served [1-9]" "$work/reader.log" || true; }
blind_down=$(blind '[0-9]+' down)
blind_up=$(blind '[0-9]+' '(up|back|done)')
blind_all=$(blind '[0-9]+' '[a-z-]+')
silent=$(blind 0 '[a-z-]+')
echo "writes that failed with the server up (checks 1-20, 31-$checks): $(failures 1 20 | wc -l) + $(failures 31 "$checks" | wc -l)"
failures 1 20 | reasons
failures 31 "$checks" | reasons
echo "writes that failed with the server stopped (checks 21-30): $(failures 21 30 | wc -l)"
failures 21 30 | reasons
echo "scans: $scans; $blind_all found none of the server's files ($blind_down with the server stopped," \
    "$blind_up with it up, the rest while it stopped or started), $silent of them ended with status 0"
echo "files the teacher read cut short («не файл результатов») with the server up: $cut_reads"
echo "rows that fell back to fewer checks than the scan before, the server up: $drops"
{ grep -m1 -A4 -E '^scan [0-9]+ status [0-9]+ phase down seen 0 ' "$work/reader.log" || true; } | sed 's/^/  /'

# The scenario happened as told: the stop cost every writer a write.
for v in $(seq "$count"); do
    awk '$1 == "failed" { n = $2 + 0; if (n >= 21 && n <= 30) found = 1 } END { exit !found }' \
        "$work/writer$v.log" || share_fail "writer $v wrote through the stopped server: $(cat "$work/writer$v.log")"
done
# No scan ever saw an empty result file.
[ -z "$empty" ] || share_fail "a scan saw an empty result file: $(echo "$empty" | head -n 3)"
# Every check is on the share: on the server's own disk, and in the teacher's
# table once the writers are done.
served=$("$bin" --class-report "$key" --results "$share_served" | cut -f1,2,4,5)
[ "$served" = "$expect" ] || share_fail "the server holds
$served
and not
$expect"
grep -q '^scan [0-9]* settled$' "$work/reader.log" \
    || share_fail "20 scans after the writers ended, the teacher's table still lacks checks: $(tail -n 8 "$work/reader.log")"

# Today's failures, expected until the program replaces over a held file,
# the teacher's reader keeps its last good read, and --class-report tells
# that a place cannot be read.
xfail() {
    if [ "${GL_SHARE_STRICT:-}" = 1 ]; then share_fail "$*"; fi
    echo "XFAIL: $* (GL_SHARE_STRICT=1 makes this fail)"
}
[ "$held_file" -eq 0 ] || xfail "$held_file writes failed while the teacher's computer held the file («файл занят»)"
[ "$cut_reads" -eq 0 ] || xfail "the teacher's scans read $cut_reads result files cut short"
[ "$silent" -eq 0 ] || xfail "$silent scans that could not read the share ended with status 0"
echo "every check of the $count pupils is on the share; $scans scans saw no empty file"

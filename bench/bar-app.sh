#!/usr/bin/env bash
# The prayer bar's running costs beside a bare Qt window with one label, both on the offscreen
# platform in the same run: time from process start to the first shown window, resident memory
# after 5 seconds, and CPU time over 60 seconds idle. Usage: bench/bar-app.sh BUILD_FOLDER
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
stage="$build/stage"
bare="$build/bench/bar/bare_label"
if [ ! -x "$stage/salvenor-app" ] || [ ! -x "$bare" ]; then
    echo "bar-app: build the benchmarks target first (salvenor-app, stage_data, bare_label)" >&2
    exit 1
fi
rounds=${BAR_APP_ROUNDS:-7}
idle=${BAR_APP_IDLE_SECONDS:-60}

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do
        kill "$p" 2>/dev/null || true
        wait "$p" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# A fresh copy of the installation folder with the record first-run setup saves when its sheet is
# cancelled (so no first-run window opens), and the no-tray notice already given.
mkdir -p "$work/app" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$stage/." "$work/app/"
cp "$(dirname "$0")/../tests/data/config/first_run_cancelled.cfg" "$work/app/zav.cfg"
printf '[notices]\nnoTrayExplained=true\n' >"$work/app/salvenor.ini"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$work/runtime"
export SALVENOR_REPORT_FIRST_SHOWN=1

# start NAME: starts a program in the background; sets started_ns and started_pid.
start() {
    local name=$1
    rm -f "$work/$name.err"
    started_ns=$(date +%s%N)
    if [ "$name" = bar ]; then
        (cd "$work/app" && exec ./salvenor-app 2>"$work/$name.err") &
    else
        (exec "$bare" 2>"$work/$name.err") &
    fi
    started_pid=$!
    pids+=("$started_pid")
}

# shown_ms NAME: waits for the program's first paint; prints milliseconds since its start.
shown_ms() {
    local name=$1 line=""
    for _ in $(seq 1 200); do
        line=$(grep -m1 '^first-shown ' "$work/$name.err" 2>/dev/null || true)
        [ -n "$line" ] && break
        sleep 0.05
    done
    [ -n "$line" ] || { echo "bar-app: $name showed no window" >&2; exit 1; }
    echo "$(( (${line#first-shown } - started_ns) / 1000 ))" | awk '{printf "%.1f", $1 / 1000}'
}

stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# Start-up: the two programs in turn, several rounds, the median of each.
bar_times=()
bare_times=()
for _ in $(seq 1 "$rounds"); do
    start bar
    bar_times+=("$(shown_ms bar)")
    stop "$started_pid"
    start bare
    bare_times+=("$(shown_ms bare)")
    stop "$started_pid"
done
bar_start=$(printf '%s\n' "${bar_times[@]}" | median)
bare_start=$(printf '%s\n' "${bare_times[@]}" | median)

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
# User plus system CPU time in clock ticks (the fields after the command name).
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }

# Memory and idle CPU: both running side by side.
start bar
bar_pid=$started_pid
start bare
bare_pid=$started_pid
sleep 5
bar_rss=$(rss_kb "$bar_pid")
bare_rss=$(rss_kb "$bare_pid")
bar_cpu0=$(cpu_ticks "$bar_pid")
bare_cpu0=$(cpu_ticks "$bare_pid")
sleep "$idle"
bar_cpu=$(( $(cpu_ticks "$bar_pid") - bar_cpu0 ))
bare_cpu=$(( $(cpu_ticks "$bare_pid") - bare_cpu0 ))
hz=$(getconf CLK_TCK)

awk -v bs="$bar_start" -v ws="$bare_start" -v bm="$bar_rss" -v wm="$bare_rss" \
    -v bc="$bar_cpu" -v wc="$bare_cpu" -v hz="$hz" -v idle="$idle" -v rounds="$rounds" 'BEGIN {
    printf "start-up to first shown window (median of %d): bar %.1f ms, bare label %.1f ms, ratio %.2f (target <= 1.30)\n", rounds, bs, ws, bs / ws
    printf "resident memory after 5 s: bar %.1f MB, bare label %.1f MB, ratio %.2f (target <= 1.30)\n", bm / 1024, wm / 1024, bm / wm
    printf "CPU while idle: bar %.3f s/min, bare label %.3f s/min (target < 0.010 s/min)\n", bc / hz * 60 / idle, wc / hz * 60 / idle
}'

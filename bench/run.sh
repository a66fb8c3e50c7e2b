#!/bin/sh
# run.sh: builds the benchmarks in Release and prints their results as one table.
#
#   sh bench/run.sh            30 start-ups of each program on each platform, taken by turns
#   RUNS=10 sh bench/run.sh    fewer
#
# It needs hyperfine, Google Benchmark, Xvfb and GNU time besides what the game needs;
# `sh setup.sh bench` installs them where they are missing and then runs this script.
#
# Start-up: the game's window (startup_window) against the floor (startup_floor), each ending
# right after its first painted frame, on the offscreen platform and under Xvfb: wall time from
# hyperfine, peak resident memory from /usr/bin/time, medians of RUNS runs. Handlers: Google
# Benchmark on the real window offscreen, medians of 10 repetitions. Memory: a million random
# events on the real window. The web page's rows follow, from bench/web/run.sh (which also needs
# Emscripten, npm and Chromium).
set -eu

cd "$(dirname "$0")/.."
# The X11 runs' display: the whole script runs beside an Xvfb of its own, which xvfb-run starts and
# stops.
if [ -z "${PEBBLIX_BENCH_XVFB:-}" ]; then
    export PEBBLIX_BENCH_XVFB=1
    exec xvfb-run -a sh bench/run.sh "$@"
fi
runs=${RUNS:-30}
# Qt's platform: offscreen, but for the start-ups under Xvfb.
export QT_QPA_PLATFORM=offscreen

cmake --preset bench >&2
cmake --build --preset bench >&2
# The bench preset's tree, build/bench.
bin=build/bench/bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# startup PLATFORM: runs the game's window and the floor by turns, RUNS times each, so that both
# meet the same load on the machine; prints "<window ms> <window KiB> <floor ms> <floor KiB>",
# medians of wall time (hyperfine) and of peak resident memory (/usr/bin/time).
startup() {
    env="QT_QPA_PLATFORM=$1"
    rm -f "$work/wt" "$work/ft" "$work/wm" "$work/fm"
    hyperfine --style none --shell=none --runs 3 "env $env $bin/startup_window" \
        "env $env $bin/startup_floor" >/dev/null 2>&1
    i=0
    while [ "$i" -lt "$runs" ]; do
        hyperfine --style none --shell=none --runs 1 --export-csv "$work/t.csv" \
            "env $env $bin/startup_window" "env $env $bin/startup_floor" >/dev/null 2>&1
        awk -F, -v w="$work/wt" -v f="$work/ft" \
            'NR == 2 { print $2 * 1000 >>w } NR == 3 { print $2 * 1000 >>f }' "$work/t.csv"
        # shellcheck disable=SC2086
        env $env /usr/bin/time -f %M -a -o "$work/wm" "$bin/startup_window" 2>/dev/null
        # shellcheck disable=SC2086
        env $env /usr/bin/time -f %M -a -o "$work/fm" "$bin/startup_floor" 2>/dev/null
        i=$((i + 1))
    done
    for f in wt wm ft fm; do
        median <"$work/$f"
    done | awk '{ printf "%s%s", sep, ($0 ~ /\./ ? sprintf("%.1f", $0) : $0); sep = " " } END { print "" }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
met() { awk -v r="$1" -v g="$2" 'BEGIN { print (r <= g) ? "yes" : "no" }'; }

row() { printf '| %s | %s | %s | %s | %s | %s |\n' "$@"; }

echo "Pebblix benchmarks: $(nproc) cores, $(uname -m), $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo
row "measure" "game window" "floor" "ratio" "goal" "met"
row "---" "---:" "---:" "---:" "---" "---"
for platform in offscreen xcb; do
    set -- $(startup "$platform")
    name=$platform
    [ "$platform" = xcb ] && name="Xvfb (xcb)"
    r=$(ratio "$1" "$3")
    row "start-up to first frame, $name, median of $runs" "$1 ms" "$3 ms" "$r" "≤ 1.15" "$(met "$r" 1.15)"
    r=$(ratio "$2" "$4")
    row "peak resident memory, $name, median of $runs" "$2 KiB" "$4 KiB" "$r" "≤ 1.10" "$(met "$r" 1.10)"
done

"$bin/handler_bench" --benchmark_repetitions=10 \
    --benchmark_format=csv >"$work/h.csv" 2>/dev/null
# name,iterations,real_time,cpu_time,time_unit,...,heap_growth_B; manual times are in ns. For each
# benchmark: the median in µs, the most heap a repetition left behind, the first one (which fills
# Qt's caches) aside, and whether both goals are met. Growth below a byte a call is allocator noise;
# a leak of even one block a call is 320 KB.
for bench in Command/0 Command/1 Command/2 Command/3 Command/4 Command/5 Command/6 Option TimerTick; do
    set -- $(awk -F, -v b="\"$bench/" 'index($1, b) != 1 { next }
        $1 ~ /_median"$/ { us = sprintf("%.2f", $3 / 1000) }
        $1 !~ /_(mean|median|stddev|cv)"$/ && ++n > 1 && $NF > m { m = $NF }
        END { printf "%s %d %s", us, m, (us + 0 <= 10 && m < 20000) ? "yes" : "no" }' "$work/h.csv")
    case $bench in
    Command/*) name="Command1_Click(${bench#Command/})" ;;
    Option) name="Option1_Click (switching variant)" ;;
    TimerTick) name="Timer1_Timer (one playback tick)" ;;
    esac
    row "$name: median of 10 × 20,000 calls; most heap a repetition kept" "$1 µs; $2 B" "" "" \
        "≤ 10 µs; < 1 B a call" "$3"
done

set -- $("$bin/million_events")
# events N rss_before_kib A rss_after_kib B rss_peak_kib C most_rows D seconds E
row "resident memory before / after 1,000,000 random events (${12} s)" "$4 / $6 KiB" "" "" \
    "≤ +1 MiB" "$(met "$6" $(($4 + 1024)))"
row "most history rows in those events" "${10}" "" "" "" ""

# The web page's rows: built in its own tree (build/web) and measured in headless Chromium.
sh bench/web/run.sh --rows

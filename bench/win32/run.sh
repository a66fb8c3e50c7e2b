#!/bin/sh
# run.sh: the Windows window's benchmarks under Wine (no display: Wine's null graphics driver).
#
#   sh bench/win32/run.sh           30 start-ups of the game and of the floor, taken by turns
#   RUNS=10 sh bench/win32/run.sh   fewer
#
# Start-up: wall time from starting the program under Wine to the end of its first painted frame,
# the game's window (startup_window) against a window of its size with one Cyrillic label in its
# font (startup_floor); the median of the RUNS ratios of neighbouring runs, with the spread of those
# ratios (first and third quartile). Handlers: medians of 20,000 (handler_bench). Sizes: the
# program and the installer of the windows preset's tree, if it has been built.
set -eu
cd "$(dirname "$0")/../.."
runs=${RUNS:-30}
# The windows-bench preset's tree.
build=build/windows-bench
cmake --preset windows-bench >&2
cmake --build --preset windows-bench >&2
export PEBBLIX_WINE_ROOT="$(pwd)/$build/wine"
wine() { sh tests/win32/wine.sh "$@"; }
bin=$build/bench/win32

# Milliseconds from start to end of one run under Wine.
took() {
    start=$(date +%s%N)
    wine "$1" >/dev/null
    echo $((($(date +%s%N) - start) / 1000000))
}

wine "$bin/startup_floor.exe" >/dev/null # makes the prefix and warms Wine's files
# A line a run: the game's window's milliseconds, then the floor's.
i=0
pairs=$(while [ "$i" -lt "$runs" ]; do
    echo "$(took "$bin/startup_window.exe") $(took "$bin/startup_floor.exe")"
    i=$((i + 1))
done)
# quartiles EXPRESSION: the first quartile, the median and the third quartile of an awk expression
# of each run.
quartiles() {
    echo "$pairs" | awk "{ print $1 }" | sort -g |
        awk '{ v[NR] = $1 } END { printf "%s %s %s", v[int((NR + 3) / 4)], v[int((NR + 1) / 2)], v[int((3 * NR + 3) / 4)] }'
}
set -- $(quartiles '$1')
echo "start-up, game's window: median $2 ms (quartiles $1-$3), $runs runs"
set -- $(quartiles '$2')
echo "start-up, floor:         median $2 ms (quartiles $1-$3)"
set -- $(quartiles 'sprintf("%.4f", $1 / $2)')
echo "start-up ratio: median $2 (quartiles $1-$3); goal at most 1.10"
wine "$bin/handler_bench.exe"
for file in build/windows/pebblix.exe build/windows/pebblix-*-x64.msi; do
    [ -f "$file" ] && echo "$file: $(($(wc -c <"$file") / 1024)) KiB"
done
exit 0

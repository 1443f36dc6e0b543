#!/usr/bin/env bash
# Processor use of the real program under Xvfb, beside an idle Qt window of the same size
# with seven tabs (the benchmark's floor window) measured over the same seconds: while the
# banner runs, then once a magazine is chosen and the banner has stopped. Prints the
# share of one core of each.
# Usage: tools/measure-banner-cpu.sh path/to/scribel [seconds [path/to/scribel_bench_floor]]
set -euo pipefail
program=$1
seconds=${2:-10}
floor=${3:-$(dirname "$program")/../bench/scribel_bench_floor}
source "$(dirname "$0")/xvfb-window.sh"
run_on_xvfb "$0" "$@"
start_and_find_window "$program"
size=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ {print $2}')
"$floor" --size "$size" --stay >/dev/null 2>&1 &
floor_pid=$!
trap 'kill $pid $floor_pid 2>/dev/null || true' EXIT
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
share() { # ticks-before ticks-after
    awk -v a="$1" -v b="$2" -v hz="$hz" -v s="$seconds" 'BEGIN {printf "%.2f %%", 100 * (b - a) / hz / s}'
}
measure() { # what
    local before floor_before
    before=$(ticks "$pid"); floor_before=$(ticks "$floor_pid")
    sleep "$seconds"
    echo "$1: $(share "$before" "$(ticks "$pid")") of one core over ${seconds} s;" \
        "idle window ${size}: $(share "$floor_before" "$(ticks "$floor_pid")")"
}
sleep 1
measure "banner running"
xdotool mousemove --window "$window" 202 132 click 1 # the Pixelor button
sleep 1
measure "banner stopped"

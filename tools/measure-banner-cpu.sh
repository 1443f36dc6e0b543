#!/usr/bin/env bash
# Processor use of the real program and of its own X server, beside an idle Qt window of the
# same size with seven tabs (the benchmark's floor window) on an X server of its own, measured
# over the same seconds: while the banner runs, then once a magazine is chosen and the banner
# has stopped. Prints the share of one core of each client and its server, and their sum.
# Usage: tools/measure-banner-cpu.sh path/to/scribel [seconds [path/to/scribel_bench_floor]]
set -euo pipefail
program=$1
seconds=${2:-10}
floor=${3:-$(dirname "$program")/../bench/scribel_bench_floor}
source "$(dirname "$0")/xvfb-window.sh"
run_on_xvfb "$0" "$@"
server=$(pgrep -x -P "$PPID" Xvfb) # xvfb-run's own, the program's
start_and_find_window "$program"
size=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ {print $2}')
displays=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$displays" 2>/dev/null &
floor_server=$!
until [[ -s $displays ]]; do sleep 0.1; done
DISPLAY=:$(cat "$displays") "$floor" --size "$size" --stay >/dev/null 2>&1 &
floor_pid=$!
trap 'kill $pid $floor_pid 2>/dev/null; sleep 0.5; kill $floor_server 2>/dev/null || true' EXIT
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
share() { # ticks-before ticks-after
    awk -v a="$1" -v b="$2" -v hz="$hz" -v s="$seconds" 'BEGIN {printf "%.2f %%", 100 * (b - a) / hz / s}'
}
both() { echo $(($(ticks "$1") + $(ticks "$2"))); }
measure() { # what
    local p s f fs
    p=$(ticks "$pid"); s=$(ticks "$server"); f=$(ticks "$floor_pid"); fs=$(ticks "$floor_server")
    sleep "$seconds"
    echo "$1 (one core, over ${seconds} s): program $(share "$p" "$(ticks "$pid")")" \
        "+ its X server $(share "$s" "$(ticks "$server")")" \
        "= $(share $((p + s)) "$(both "$pid" "$server")");" \
        "idle window ${size} $(share "$f" "$(ticks "$floor_pid")")" \
        "+ its X server $(share "$fs" "$(ticks "$floor_server")")" \
        "= $(share $((f + fs)) "$(both "$floor_pid" "$floor_server")")"
}
sleep 1
measure "banner running"
xdotool mousemove --window "$window" 202 132 click 1 # the Pixelor button
sleep 1
measure "banner stopped"

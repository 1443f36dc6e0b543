#!/usr/bin/env bash
# Processor use of the real program under Xvfb: while the banner runs, then once a
# magazine is chosen and the banner has stopped. Prints the share of one core.
# Usage: tools/measure-banner-cpu.sh path/to/scribel [seconds]
set -euo pipefail
program=$1
seconds=${2:-10}
source "$(dirname "$0")/xvfb-window.sh"
run_on_xvfb "$0" "$@"
start_and_find_window "$program"
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
share() { # ticks-before ticks-after
    awk -v a="$1" -v b="$2" -v hz="$hz" -v s="$seconds" 'BEGIN {printf "%.2f %%", 100 * (b - a) / hz / s}'
}
sleep 1
before=$(ticks); sleep "$seconds"; after=$(ticks)
echo "banner running: $(share "$before" "$after") of one core over ${seconds} s"
xdotool mousemove --window "$window" 202 132 click 1 # the Pixelor button
sleep 1
before=$(ticks); sleep "$seconds"; after=$(ticks)
echo "banner stopped: $(share "$before" "$after") of one core over ${seconds} s"

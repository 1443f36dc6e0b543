#!/usr/bin/env bash
# Starts the real program on a real X display and checks its window: the title and
# the client size. With a folder as second argument, also saves a screenshot of each
# tab for each magazine there.
set -euo pipefail
program=$1
shots=${2:-}

source "$(dirname "$0")/../../tools/xvfb-window.sh"
run_on_xvfb "$0" "$@"
start_and_find_window "$program"

title=$(xdotool getwindowname "$window")
read -r width height < <(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
echo "window $window: '$title', ${width}x${height}"
if [[ $title != "La Scribel 2.0" || $width != 549 || $height != 330 ]]; then
    echo "FAIL: expected 'La Scribel 2.0', 549x330"
    exit 1
fi

if [[ -n $shots ]]; then
    mkdir -p "$shots"
    sleep 0.5
    import -window "$window" "$shots/demarrage.png"
fi

# Choose Pixelor by clicking its button where its twips put it: left 2190, top 1800,
# 1695 x 375 twips, 15 twips a pixel.
xdotool mousemove --window "$window" $((2190 / 15 + 1695 / 30)) $((1800 / 15 + 375 / 30)) click 1
for _ in $(seq 50); do
    title=$(xdotool getwindowname "$window")
    [[ $title == "La Scribel 2.0 Pixelor" ]] && break
    sleep 0.1
done
if [[ $title != "La Scribel 2.0 Pixelor" ]]; then
    echo "FAIL: after a click on Pixelor the title is '$title'"
    exit 1
fi
import -window "$window" "$PWD/scribel-pixelor.png" # beside the test, in the build tree
echo "Pixelor chosen: '$title'"

if [[ -n $shots ]]; then
    for magazine in Pixelor Zorvane; do
        # Buttons stand at their twips: Pixelor at 2190, Zorvane at 4365 (15 twips a pixel).
        if [[ $magazine == Pixelor ]]; then x=$((146 + 56)); else x=$((291 + 56)); fi
        xdotool mousemove --window "$window" "$x" 132 click 1
        sleep 0.3
        # The middle of each tab of the strip, from left to right.
        tab=0
        for x in 28 83 150 230 300 390 476; do
            xdotool mousemove --window "$window" "$x" 18 click 1
            sleep 0.3
            import -window "$window" "$shots/${magazine,,}-onglet-$tab.png"
            tab=$((tab + 1))
        done
        xdotool mousemove --window "$window" 28 18 click 1
    done
fi
# Alt+Q is the Quitter button: the program ends at once.
xdotool key --window "$window" alt+q
for _ in $(seq 50); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
    echo "FAIL: the program did not end on Alt+Q"
    exit 1
fi
trap - EXIT
echo "PASS"

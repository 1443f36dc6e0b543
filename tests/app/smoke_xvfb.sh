#!/usr/bin/env bash
# Starts the real program on a real X display and checks its window: the title and
# the client size. With a folder as second argument, also saves a screenshot of each
# tab for each magazine there.
set -euo pipefail
program=$(realpath "$1")
shots=${2:-}
[[ -n $shots ]] && shots=$(realpath -m "$shots") # the program runs in a folder of its own

source "$(dirname "$0")/../../tools/xvfb-window.sh"
run_on_xvfb "$0" "$@"
# The program runs in a folder and a home of the test's own: the save dialog below writes
# there, and so does Qt's dialog with its settings.
here=$PWD
work=$(mktemp -d)
cd "$work"
export HOME=$work XDG_CONFIG_HOME=$work/.config
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

# The keyboard alone, with real key presses to whichever window has the focus. The window
# gets it as a window manager would give it.
xdotool windowfocus --sync "$window"
wait_for_title() {
    for _ in $(seq 50); do
        [[ $(xdotool getwindowname "$window") == "$1" ]] && return 0
        sleep 0.1
    done
    echo "FAIL: after '$2' the title is '$(xdotool getwindowname "$window")', not '$1'"
    exit 1
}
press() { # keys, each pressed in turn
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.2
    done
}
# Enter on the focused magazine button chooses it; the focus goes to the tab strip.
press Return
wait_for_title "La Scribel 2.0 Pixelor" "Enter on Pixelor"
# Five steps on, past the information text and three buttons, Remise à zéro has the focus.
press Tab Tab Tab Tab Tab
# Tabs change from any control; each tab gives the focus to its first field.
press ctrl+Tab
xdotool type --delay 30 dupont
press ctrl+Next
xdotool type --delay 30 jeu
# Back on the start tab, the focus is on the strip, not back on Remise à zéro: Space
# there clears nothing.
press ctrl+shift+Tab ctrl+Prior space
# Alt+S presses Sauvegarder here, not the tab "&Systeme d'exploitation". The save dialog
# asks whether to create the new file; Enter says yes.
press alt+s
xdotool type --delay 30 essai
press Return Return
for _ in $(seq 50); do
    [[ -s essai.pxr ]] && break
    sleep 0.1
done
if ! grep -q DUPONT essai.pxr || ! grep -qi '^jeu' essai.pxr; then
    echo "FAIL: the keyboard's sheet was not saved whole; essai.pxr holds:"
    cat essai.pxr 2>/dev/null || echo "(no file)"
    exit 1
fi
# Once the dialog and its question are closed, the window has the keyboard again.
sleep 0.3
if [[ $(xdotool getwindowfocus 2>/dev/null) != "$window" ]]; then
    echo "FAIL: after the save dialog the window does not have the keyboard"
    exit 1
fi
echo "keyboard: sheet saved as essai.pxr, focus back on the window"

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
import -window "$window" "$here/scribel-pixelor.png" # beside the test, in the build tree
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
xdotool key alt+q
for _ in $(seq 50); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
    echo "FAIL: the program did not end on Alt+Q"
    exit 1
fi
trap - EXIT
rm -rf "$work"
echo "PASS"

#!/usr/bin/env bash
# Starts the real program as a Wayland client of a headless compositor of its own and
# drives it with the keyboard alone, as an author on a Wayland desktop would: the window's
# size, every tab against the README's pictures, typing with accents and Enter, a save
# through the dialog, the keyboard back in the window, then Quitter.
# Everything lives in one temporary folder: the compositor's runtime folder and home, the
# program's, the saved sheet. Run as root (as CI does), the compositor runs as nobody.
# usage: smoke_wayland.sh PROGRAM [SOURCE-DIR]
set -euo pipefail
program=$(realpath "$1")
source_dir=$(realpath "${2:-$(dirname "$0")/../..}")
pictures=$source_dir/docs/images

for tool in sway swaymsg wtype grim jq compare convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
chmod 755 "$work"
compositor_pid=""
program_pid=""
idle_keyboard_pid=""
finish() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null
    [[ -n $idle_keyboard_pid ]] && kill "$idle_keyboard_pid" 2>/dev/null
    [[ -n $compositor_pid ]] && kill "$compositor_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
fail() {
    echo "FAIL: $*"
    if [[ -n ${client[*]:-} ]] && "${client[@]}" grim "$PWD/wayland-failure.png" 2>/dev/null; then
        echo "(the screen is left in wayland-failure.png)"
    fi
    echo "--- the windows:"
    windows 2>/dev/null || true
    echo "--- the program printed:"
    cat "$work/program.log" 2>/dev/null || true
    echo "--- the compositor printed (last lines):"
    tail -n 15 "$work/compositor.log" 2>/dev/null || true
    exit 1
}

# The compositor: one headless output, software rendering, no X server, no borders of its
# own around the window (its size is then the client's).
mkdir -p "$work/compositor-runtime" "$work/compositor-home" "$work/runtime" "$work/home"
chmod 700 "$work/compositor-runtime" "$work/runtime"
cat >"$work/compositor.conf" <<'EOF'
output HEADLESS-1 resolution 1024x768 scale 1
xwayland disable
default_border none
default_floating_border none
EOF
as_compositor=()
if [[ $(id -u) -eq 0 ]]; then
    chown nobody:nogroup "$work/compositor-runtime" "$work/compositor-home"
    as_compositor=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
"${as_compositor[@]}" env -i PATH=/usr/bin:/bin HOME="$work/compositor-home" \
    XDG_RUNTIME_DIR="$work/compositor-runtime" WLR_BACKENDS=headless WLR_RENDERER=pixman \
    WLR_LIBINPUT_NO_DEVICES=1 sway -c "$work/compositor.conf" >"$work/compositor.log" 2>&1 &
compositor_pid=$!
for _ in $(seq 100); do
    socket=$(find "$work/compositor-runtime" -name 'wayland-*' ! -name '*.lock' 2>/dev/null | head -n 1)
    ipc=$(find "$work/compositor-runtime" -name 'sway-ipc.*' 2>/dev/null | head -n 1)
    [[ -n $socket && -n $ipc ]] && break
    sleep 0.05
done
[[ -n $socket && -n $ipc ]] || fail "the compositor did not start"

# The clients reach the compositor by its socket's full path and keep their own runtime
# folder, home and settings; none of the desktop's look.
client=(env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
    XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
    XDG_CACHE_HOME="$work/home/.cache" WAYLAND_DISPLAY="$socket" LC_ALL=C.UTF-8 LANG=C.UTF-8)
export SWAYSOCK=$ipc

# Each wtype run is a virtual keyboard of its own, gone when it ends; a short pause after
# the last key lets the window read them all. One idle keyboard stays all along: without
# it the seat would lose its keyboard between two runs, and the window its active state.
"${client[@]}" wtype -s 300000 & # ends by itself should this script be killed
idle_keyboard_pid=$!
keys() {
    "${client[@]}" wtype "$@" -s 50
}

# One line per window: pid, focused, its client rectangle on the output, title, node id.
windows() {
    swaymsg -r -t get_tree | jq -r '.. | objects | select(.pid?) |
        [.pid, (if .focused then 1 else 0 end), .rect.x + .window_rect.x,
         .rect.y + .window_rect.y, .window_rect.width, .window_rect.height, .name, .id] | @tsv'
}
main_window() {
    windows | awk -F '\t' -v pid="$program_pid" '$1 == pid && $7 ~ /^La Scribel/' | head -n 1
}
wait_for_title() { # title
    for _ in $(seq 50); do
        [[ $(main_window | cut -f 7) == "$1" ]] && return 0
        sleep 0.1
    done
    fail "the title is '$(main_window | cut -f 7)', not '$1'"
}

"${client[@]}" QT_QPA_PLATFORM=wayland "$program" >"$work/program.log" 2>&1 &
program_pid=$!
for _ in $(seq 100); do
    [[ -n $(main_window) ]] && break
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended at start"
    sleep 0.1
done
IFS=$'\t' read -r _ _ x y width height title _ < <(main_window) || fail "no window appeared"
echo "window: '$title', ${width}x${height} at $x,$y"
[[ $width == 549 && $height == 330 ]] || fail "expected 549x330, got ${width}x${height}"

# A picture of the window compared with the README's, taken with the mouse. What may
# differ: the banner, which scrolls (masked); a blinking text cursor; the frame the
# keyboard's focus draws around the control it reaches (up to some 450 pixels, where a
# page left unpainted is tens of thousands).
compare_with_readme() { # picture-name
    local name=$1 shot=$work/$1.png reference=$pictures/$1.png differing=""
    local banner=(-fill black -draw 'rectangle 55,50 500,95')
    if [[ $name == demarrage || $name == *-onglet-0 ]]; then
        convert "$reference" "${banner[@]}" "$work/reference.png"
        reference=$work/reference.png
    fi
    # Decorations drawn by the program itself stand around the window's contents, as wide
    # on the left, the right and the bottom; the title bar on top.
    local outer_x outer_y outer_width outer_height side
    # The window may take a few frames to show what the last keys asked for.
    for _ in $(seq 20); do
        IFS=$'\t' read -r _ _ outer_x outer_y outer_width outer_height _ < <(main_window)
        side=$(((outer_width - width) / 2))
        "${client[@]}" grim -g "$((outer_x + side)),$((outer_y + outer_height - height - side)) ${width}x${height}" "$shot"
        if [[ $reference == "$work/reference.png" ]]; then
            convert "$shot" "${banner[@]}" "$shot"
        fi
        differing=$(compare -metric AE -fuzz 10% "$shot" "$reference" null: 2>&1) || true
        [[ $differing =~ ^[0-9]+$ ]] && ((differing <= 500)) && break
        sleep 0.1
    done
    if ! [[ $differing =~ ^[0-9]+$ ]] || ((differing > 500)); then
        cp "$shot" "$PWD/wayland-$name.png" 2>/dev/null || true
        fail "$name differs from the README's picture in $differing pixels (left in wayland-$name.png)"
    fi
    echo "$name: as in the README ($differing pixels differ)"
}
compare_with_readme demarrage

# Every tab of both magazines, by keyboard alone. The start focus is on the Pixelor button,
# followed by Zorvane's; a magazine chosen, the keyboard goes to the tab strip. Ctrl+Tab,
# from anywhere, shows the next tab, and the first after the last. (The tabs' Alt letters
# are no help here: "L'auteur" and "A propos" share theirs, as do "La Scribel" and
# "La licence".)
next_tab() {
    keys -M ctrl -k Tab -m ctrl
}
keys -k Tab -s 100 -k space
wait_for_title "La Scribel 2.0 Zorvane"
compare_with_readme zorvane-onglet-0
for tab in 1 2 3 4 5 6; do
    next_tab
    compare_with_readme "zorvane-onglet-$tab"
done
next_tab # back on the first tab, the keyboard on its strip
# Alt+R is Remise à zéro: back to the start, the keyboard on Pixelor.
keys -M alt r -m alt
wait_for_title "La Scribel"
keys -s 100 -k space
wait_for_title "La Scribel 2.0 Pixelor"
compare_with_readme pixelor-onglet-0

# The compositor asks the window to draw its own decorations (as GNOME's does), then hands
# them back: each time the window is painted whole again.
for decorations in csd none; do
    swaymsg "[pid=$program_pid] border $decorations" >/dev/null
    sleep 0.2 # the switch first shows what the window had drawn before
    compare_with_readme pixelor-onglet-0
done
next_tab
compare_with_readme pixelor-onglet-1

# On the author's tab the name has the focus; it is upper-cased. Enter moves to the first
# name, whose words start with a capital, then to the number.
keys -d 20 "lefèvre" -k Return "élise marie" -k Return "12"
for tab in 2 3 4 5 6; do
    next_tab
    compare_with_readme "pixelor-onglet-$tab"
done

# The focused window, when it is not the main one: a dialog or a question.
wait_for_dialog() { # description, window to leave aside
    dialog=""
    for _ in $(seq 50); do
        dialog=$(windows | awk -F '\t' -v other="${2:-}" \
            '$2 == 1 && $7 !~ /^La Scribel/ && $8 != other' | head -n 1)
        [[ -n $dialog ]] && return 0
        sleep 0.1
    done
    fail "no $1 took the keyboard"
}
# Presses Sauvegarder with the keys given, saves through the dialog, a window of its own,
# to sheet.pxr, and answers Oui (Enter) to the question whether to create it.
save() { # keys...
    keys "$@"
    wait_for_dialog "save dialog after Sauvegarder"
    local dialog_id
    dialog_id=$(cut -f 8 <<<"$dialog")
    rm -f "$work/sheet.pxr"
    keys -d 5 "$work/sheet.pxr" -k Return
    wait_for_dialog "question after the file's name" "$dialog_id"
    keys -k Return
    for _ in $(seq 50); do
        [[ -s $work/sheet.pxr && -z $(windows | awk -F '\t' '$7 !~ /^La Scribel/') ]] && break
        sleep 0.1
    done
    [[ -s $work/sheet.pxr ]] || fail "nothing was saved to $work/sheet.pxr"
}
# Back on the first tab, Alt+S is Sauvegarder's, before the tab "Systeme d'exploitation".
save -M ctrl -k Tab -m ctrl -s 100 -M alt s -m alt
lines=$(tr -cd '\n' <"$work/sheet.pxr" | wc -c)
bare_lf=$(sed -n '/\r$/!p' "$work/sheet.pxr" | wc -l)
((lines == 44 && bare_lf == 0)) || fail "the sheet holds $lines lines ($bare_lf without CR)"
# Lines 2 to 4 in Windows-1252: LEFÈVRE, Élise Marie, 12.
expected=$(printf 'LEF\xc8VRE\r\n\xc9lise Marie\r\n12\r\n' | od -An -tx1)
got=$(sed -n '2,4p' "$work/sheet.pxr" | od -An -tx1)
[[ $got == "$expected" ]] || fail "lines 2 to 4 saved as$got, expected$expected"
echo "saved: 44 lines, the name, first name and number as typed"

# The keyboard is the window's again: Ctrl+Tab reaches the name, which takes one more
# letter, and a second save holds it.
[[ $(main_window | cut -f 2) == 1 ]] || fail "the window is not focused after the save"
keys -M ctrl -k Tab -m ctrl -s 100 -k End x
# Back on the first tab, Alt+S saves again.
save -M ctrl -M shift -k Tab -m shift -m ctrl -s 100 -M alt s -m alt
[[ $(sed -n 2p "$work/sheet.pxr") == $'LEF\xc8VREX\r' ]] ||
    fail "after the save, the keys typed into the window did not reach the name"
echo "the keyboard is back in the window"

# Alt+Q is Quitter: the program ends at once.
keys -M alt q -m alt
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not end on Alt+Q"
program_pid=""
echo "PASS"

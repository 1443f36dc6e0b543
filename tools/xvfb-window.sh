# Sourced by the scripts that drive the real program on a real X display.
# run_on_xvfb "$0" "$@"   re-runs the calling script inside xvfb-run (once);
# start_and_find_window PROGRAM   starts it, sets $pid and $window, or fails.

run_on_xvfb() {
    if [[ -z ${INSIDE_XVFB:-} ]]; then
        export INSIDE_XVFB=1
        exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$@"
    fi
    unset QT_QPA_PLATFORM
}

start_and_find_window() {
    log=$(mktemp)
    "$1" >"$log" 2>&1 &
    pid=$!
    trap 'kill $pid 2>/dev/null || true' EXIT
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --name '^La Scribel 2\.0$' 2>/dev/null | head -n 1 || true)
        [[ -n $window ]] && return 0
        sleep 0.1
    done
    echo "FAIL: no window titled 'La Scribel 2.0' appeared"
    kill -0 $pid 2>/dev/null && echo "(the program is still running)" || echo "(the program has ended)"
    echo "DISPLAY=$DISPLAY; what the program printed:"
    cat "$log"
    xdotool search --name '.' getwindowname %@ 2>&1 | head -5 || true
    exit 1
}

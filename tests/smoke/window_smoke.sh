#!/bin/sh
# Starts the real window on a project under a virtual X server, checks what it shows, and closes it
# the way a user does (Ctrl+Q). Fails on a crash, a hang, a sanitizer report or a blank window.
# Usage: window_smoke.sh KALVERO PROJECT OUT_FOLDER
# Exit 77 (skipped) when the X tools are missing.
set -eu
inside=""
if [ "${1:-}" = "--inside" ]; then
    inside=1
    shift
fi
kalvero=$1
project=$2
out=$3
here=$(cd "$(dirname "$0")" && pwd)
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$here/../sanitizer/lsan.supp}"

# The light green solid fill of the example's first layers must show on the chart.
LAYER_COLOUR='#90EE90'

# Calls the named check every half second until it succeeds; after the given seconds it says why,
# kills kalvero and fails.
wait_for() {
    tries=0
    until "$1"; do
        tries=$((tries + 1))
        if [ "$tries" -gt $(($2 * 2)) ]; then
            echo "$3"
            kill -9 "$pid" 2>/dev/null || true
            return 1
        fi
        sleep 0.5
    done
}

window_shown() {
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "kalvero ended before showing its window"
        exit 1
    fi
    window=$(xdotool search --onlyvisible --pid "$pid" --name '^Kalvero' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ]
}

kalvero_ended() {
    ! kill -0 "$pid" 2>/dev/null
}

# Runs inside the X server: start, wait for the window, screenshot, Ctrl+Q, wait for the end.
inner() {
    "$kalvero" "$project" 2>"$out/stderr.txt" &
    pid=$!
    window=""
    wait_for window_shown 60 "no window after 60 s" || return 1
    sleep 2 # the first paint
    import -window root "$out/window.png"

    xdotool mousemove --window "$window" 200 200
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers ctrl+q
    wait_for kalvero_ended 30 "kalvero did not close within 30 s of Ctrl+Q" || return 1
    status=0
    wait "$pid" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "kalvero exited with status $status"
        return 1
    fi
}

if [ -n "$inside" ]; then
    inner
    exit $?
fi

for tool in xvfb-run xdotool import convert; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
mkdir -p "$out"
rm -f "$out/window.png" "$out/stderr.txt"

failed=0
xvfb-run -a -s "-screen 0 1280x900x24" "$0" --inside "$kalvero" "$project" "$out" || failed=1

if [ -s "$out/stderr.txt" ] && grep -E -q 'Sanitizer|runtime error:' "$out/stderr.txt"; then
    echo "sanitizer report:"
    cat "$out/stderr.txt"
    failed=1
fi
[ "$failed" -eq 0 ] || { cat "$out/stderr.txt" 2>/dev/null || true; exit 1; }

colours=$(convert "$out/window.png" -format '%k' info:)
layer=$(convert "$out/window.png" -fill black +opaque "$LAYER_COLOUR" -fill white -opaque "$LAYER_COLOUR" \
    -format '%[fx:int(mean*w*h+0.5)]' info:)
echo "screenshot $out/window.png: $colours colours, $layer pixels of the layer colour"
if [ "$colours" -lt 16 ]; then
    echo "the window looks blank"
    exit 1
fi
if [ "$layer" -lt 500 ]; then
    echo "the chart does not show the example's layers"
    exit 1
fi

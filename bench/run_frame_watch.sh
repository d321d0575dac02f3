#!/bin/bash
# Watches the real program from outside with frame_watch on a virtual display,
# once with no window manager and once under openbox, and prints one table: per
# check and window manager, the tries, the tries with a bad frame or the wrong
# outcome, the bad frames, those of them that only one capture saw, and the
# longest run of bad frames in ms; then how fast the screen was read. Each try
# is told on standard error.
# Usage: run_frame_watch.sh BUILD_DIR [TRIES [KEY_TRIES]]
#   TRIES: tries of the frame checks 2 and 3 (10; check 3 counts TRIES half
#   passes ending far right and TRIES ending at home, check 1 both together);
#   KEY_TRIES: tries of each key check 4 to 6 and of the tool tip (3).
#   FRAME_WATCH_DUMP=FOLDER keeps every bad frame as PPM pictures, in
#   FOLDER/wm-no and FOLDER/wm-yes;
#   FRAME_WATCH_ONLY=46C runs checks 4, 6 and C only (1, 2 and 3 run together).
# Needs: xvfb openbox x11-utils libxcb-xtest0-dev (scripts/install-deps).
set -u
build=$(readlink -f "${1:?usage: $0 BUILD_DIR [TRIES [KEY_TRIES]]}")
tries=${2:-10}
key_tries=${3:-3}
for f in bench/frame_watch app/zelivornata; do
    [ -x "$build/$f" ] || { echo "no $build/$f: build first" >&2; exit 2; }
done
work=$(mktemp -d)
results=$work/results
xvfb=""
wm=""
stop() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null && wait "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    wm=""
    xvfb=""
}
trap 'stop; rm -rf "$work"' EXIT

# $1: "no" or "yes", a window manager.
watch_on_display() {
    # Xvfb picks a free display and writes its number once it is ready.
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; stop; return 1; }
    DISPLAY=:$(head -1 "$work/display")
    export DISPLAY QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    if [ "$1" = yes ]; then
        openbox >/dev/null 2>&1 &
        wm=$!
        # Ready once it has announced itself on the root window (at most 5 s).
        for _ in $(seq 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
            sleep 0.05
        done
    fi
    # A fresh folder: the settings file beside the program starts empty.
    local folder
    folder=$(mktemp -d "$work/program.XXXX")
    cp "$build/app/zelivornata" "$folder/"
    if [ -n "${FRAME_WATCH_DUMP:-}" ]; then
        mkdir -p "$FRAME_WATCH_DUMP/wm-$1"
        FRAME_WATCH_DUMP=$(readlink -f "$FRAME_WATCH_DUMP/wm-$1") \
            "$build/bench/frame_watch" "$folder/zelivornata" "$tries" "$key_tries" "$1" >>"$results"
    else
        "$build/bench/frame_watch" "$folder/zelivornata" "$tries" "$key_tries" "$1" >>"$results"
    fi
    stop
}

: >"$results"
watch_on_display no
watch_on_display yes

printf '%-36s %-4s %5s %9s %10s %9s %10s\n' check wm tries "bad tries" "bad frames" "seen once" "longest ms"
# The rows of one check together, in the order they first came.
awk '!/^#/ {
        key = substr($0, 1, 36)
        if (!(key in rows)) order[++n] = key
        rows[key] = rows[key] $0 "\n"
    }
    END { for (i = 1; i <= n; i++) printf "%s", rows[order[i]] }' "$results"
grep '^#' "$results"

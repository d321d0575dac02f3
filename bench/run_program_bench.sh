#!/bin/bash
# Runs bench_program on a virtual display with a window manager, as a user's
# desktop would have. Usage: run_program_bench.sh BUILD_DIR [SECONDS_PER_PHASE]
# Needs: xvfb openbox x11-utils (Release build for meaningful figures).
set -u
build=$(readlink -f "${1:-build-release}"); secs=${2:-5}
d=$(( 100 + RANDOM % 800 ))
Xvfb :$d -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 & xv=$!
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$d ] && break; sleep 0.05; done
export DISPLAY=:$d QT_QPA_PLATFORM=xcb
openbox >/dev/null 2>&1 & wm=$!
# The window manager is ready once it has announced itself on the root window
# (at most 5 s).
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.05
done
"$build/bench/bench_program" "$secs"
kill $wm $xv 2>/dev/null; wait $wm $xv 2>/dev/null

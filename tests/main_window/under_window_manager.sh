#!/bin/sh
# Runs a test program's window-manager tests on a virtual display with openbox,
# a window manager that frames its windows as a desktop does.
# Usage: under_window_manager.sh TEST_PROGRAM GTEST_FILTER
set -u
for tool in Xvfb openbox; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps installs it)"; exit 1; }
done
display=$(( 200 + $$ % 700 ))
Xvfb ":$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
DISPLAY=":$display" openbox >/dev/null 2>&1 &
wm=$!
sleep 1
# Under the sanitizers: what the desktop's libraries keep until the end is theirs.
LSAN_OPTIONS="suppressions=$(dirname "$0")/../support/lsan.supp:print_suppressions=0" \
    DISPLAY=":$display" QT_QPA_PLATFORM=xcb ZELIVORNATA_WINDOW_MANAGER=1 "$1" --gtest_filter="$2"
status=$?
kill "$wm" "$xvfb" 2>/dev/null
wait "$wm" "$xvfb" 2>/dev/null
exit $status

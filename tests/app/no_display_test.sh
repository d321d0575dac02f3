#!/bin/sh
# Started where no display can be reached, the program says so in one line on
# standard error and exits with status 1, before it touches any file: whether
# Qt would look for an X display, for a platform that is not installed, for a
# Wayland compositor or for a screen that is not there. A Wayland session
# around the test must not lend it a display either.
program="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$program" "$dir/zelivornata"
fail=0
check() { # what, then the environment to run with
    what="$1"; shift
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE "$@" "$dir/zelivornata" >"$dir/out" 2>"$dir/err"
    status=$?
    lines=$(wc -l <"$dir/err")
    if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q "no display could be reached" "$dir/err" \
        || ! grep -q "xvfb-run" "$dir/err" || [ -s "$dir/out" ] || [ -e "$dir/mirvane.ini" ]; then
        echo "FAILED: $what: status $status, stderr:"; cat "$dir/err"; fail=1
    else
        echo "ok: $what: $(cat "$dir/err")"
    fi
}
check "DISPLAY unset" -u DISPLAY
check "DISPLAY empty" DISPLAY=
check "DISPLAY naming no server" DISPLAY=:93517
check "a platform that is not installed" -u DISPLAY QT_QPA_PLATFORM=wayland
check "a made-up platform" -u DISPLAY QT_QPA_PLATFORM=no-such-platform
check "a list of platforms, none reachable" -u DISPLAY "QT_QPA_PLATFORM=wayland;xcb"
check "a list of platforms, its display naming no server" DISPLAY=:93517 "QT_QPA_PLATFORM=wayland;xcb"
check "a platform name with a space" -u DISPLAY "QT_QPA_PLATFORM= xcb"
check "a Wayland session without its compositor" -u DISPLAY XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=zelivornata-none
# The frame-buffer platform starts without a screen where there is no frame buffer.
if [ ! -e /dev/fb0 ]; then
    check "a platform without a screen" -u DISPLAY QT_QPA_PLATFORM=linuxfb
fi

# The offscreen platform needs no display: the program starts on it. It has
# started once the platform's plugin is loaded into the program itself (the
# check before it loads the plugin only in a child process of its own).
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$dir" \
    "$dir/zelivornata" >"$dir/out" 2>"$dir/err" &
pid=$!
started=0
while kill -0 "$pid" 2>/dev/null; do
    if grep -q libqoffscreen "/proc/$pid/maps" 2>/dev/null; then
        started=1
        break
    fi
    sleep 0.02
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
if [ "$started" -eq 1 ]; then
    echo "ok: the offscreen platform starts"
else
    echo "FAILED: the offscreen platform: the program ended, stderr:"; cat "$dir/err"; fail=1
fi
exit $fail

#!/bin/sh
# Started where no display can be reached, the program says so in one line on
# standard error and exits with status 1, before it touches any file. A Wayland
# session around the test must not lend it a display either.
program="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$program" "$dir/zelivornata"
fail=0
check() { # what, then the environment to run with
    what="$1"; shift
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$@" "$dir/zelivornata" >"$dir/out" 2>"$dir/err"
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
exit $fail

#!/bin/sh
# Copied into folders of every kind of name, the built program keeps its
# settings file beside itself: it creates it there, reads it back from there,
# and writes nothing anywhere else, neither at the root of the file system nor
# in the working folder. A folder too long for the system to name in one piece
# gives the start-up error and is left as it was.
# Usage: program_folder_test.sh PROGRAM DRIVE_PROGRAM
set -u
program=$(readlink -f "$1")
drive=$(readlink -f "$2")
command -v Xvfb >/dev/null || { echo "Xvfb is missing (scripts/install-deps installs it)"; exit 1; }
supp="$(cd "$(dirname "$0")/../support" && pwd)/lsan.supp"
root=$(mktemp -d)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$root"
}
trap cleanup EXIT
mkdir "$root/cases" "$root/work" "$root/home" "$root/runtime"
chmod 700 "$root/runtime"

# A display of its own, whose server writes its number once it is ready. The
# number is chosen here: a server left to find a free one tries the numbers
# from 0 up, and takes over the socket of another server that is starting.
# A number some other server holds already makes Xvfb give up: another then.
# Between two runs of the program no client is left, and a server that reset
# itself then would turn away the next one while it does.
for attempt in 0 1 2 3 4 5 6 7 8 9; do
    number=$((1000 + ($$ + attempt * 977) % 9000))
    Xvfb ":$number" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$root/display" 2>/dev/null &
    xvfb=$!
    while [ ! -s "$root/display" ] && kill -0 "$xvfb" 2>/dev/null; do sleep 0.05; done
    [ -s "$root/display" ] && break
    wait "$xvfb"
    xvfb=""
done
[ -n "$xvfb" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$root/display")" QT_QPA_PLATFORM=xcb HOME="$root/home" XDG_RUNTIME_DIR="$root/runtime" \
    LC_ALL=C.UTF-8 LSAN_OPTIONS="suppressions=$supp:print_suppressions=0"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE

root_file_before=$(stat -c '%i %s %Y' /mirvane.ini 2>/dev/null)
fail=0
failed() {
    echo "FAILED: $1"
    [ -s "$root/err" ] && sed 's/^/    stderr: /' "$root/err"
    fail=1
}

# Starts the program from a working folder and takes the steps (see
# drive_program) until it has ended; sets status to its exit status.
play() { # program, working folder, steps...
    exe="$1"; work="$2"; shift 2
    (cd "$work" && exec "$exe") >"$root/out" 2>"$root/err" &
    pid=$!
    "$drive" "$pid" "$@" ended || kill "$pid" 2>/dev/null
    wait "$pid"
    status=$?
}

# Answers "Мужчина" (Tab reaches it, Space presses it), turns to the next
# design (F8) and closes the main window, which writes the man's record.
choose_next_design() { play "$1" "$root/work" next Tab space next F8 close; }

settings_of() { od -An -tx1 "$1/mirvane.ini" 2>/dev/null | tr -d ' \n'; }

check_folder() { # what, folder
    what="$1"; folder="$2"
    mkdir -p "$folder"
    cp "$program" "$folder/zelivornata"
    # Created on the first start with both defaults (0 for a man, 1 for a
    # woman); the man's design becomes 1.
    choose_next_design "$folder/zelivornata"
    first="$status $(settings_of "$folder")"
    # Read on the second: 1, and F8 makes it 2.
    choose_next_design "$folder/zelivornata"
    second="$status $(settings_of "$folder")"
    listing=$(ls -A "$folder" | tr '\n' ' ')
    if [ "$first" != "0 0101" ] || [ "$second" != "0 0201" ] || [ "$listing" != "mirvane.ini zelivornata " ]; then
        failed "$what: status and settings $first, then $second; folder holds: $listing"
    else
        echo "ok: $what"
    fi
}

check_folder "a byte that is no UTF-8" "$root/cases/$(printf 'bad\377name')"
check_folder "a Latin-1 letter" "$root/cases/$(printf 'lat\351in1')"
check_folder "Cyrillic letters" "$root/cases/Зеливорната папка"
check_folder "spaces" "$root/cases/ two  spaces "

# The longest folder the system names: with the program's name, 4095 bytes.
long_folder() { # length
    folder="$root/cases/long$1"
    while [ $((${#folder} + 201)) -le "$1" ]; do folder="$folder/$(printf '%0200d' 0)"; done
    folder="$folder/$(printf "%0$(($1 - ${#folder} - 1))d" 0)"
}
long_folder 4083
check_folder "a folder of ${#folder} bytes" "$folder"

# One byte more and the system cannot name the program's folder: the start-up
# error, which Return closes, and no file anywhere. Started from its own
# folder, as a longer path cannot be started at all.
long_folder 4084
mkdir -p "$folder"
(cd "$folder" && cp "$program" zelivornata)
play ./zelivornata "$folder" next Tab space next Return
listing=$(ls -A "$folder" | tr '\n' ' ')
if [ "$status" -ne 0 ] || [ "$listing" != "zelivornata " ]; then
    failed "a folder of ${#folder} bytes: status $status, folder holds: $listing"
else
    echo "ok: a folder of ${#folder} bytes gives the start-up error"
fi

# Nothing was written anywhere else.
stray="$(ls -A "$root/work")$(ls -A "$root/home")"
if [ "$(stat -c '%i %s %Y' /mirvane.ini 2>/dev/null)" != "$root_file_before" ] || [ -n "$stray" ] \
    || [ "$(ls -A "$root/cases" | wc -l)" -ne 6 ]; then
    failed "files written elsewhere: /mirvane.ini $(stat -c '%i %s %Y' /mirvane.ini 2>/dev/null); $stray"
else
    echo "ok: nothing written anywhere else"
fi
exit $fail

#!/usr/bin/env bash
# Every shown note of the notes file stands on the desktop as its own window,
# at its stored place; hidden and wastebasket notes get none. Coming up, the
# notes leave the keyboard alone. A second start ends at once with status 0
# and leaves the first one alone.
source "$(dirname "$0")/desktop.sh"

prepare_data 3 2 1
start_session 3

note_places() {
    for w in $(windows_named '^vesknote$'); do
        xdotool getwindowgeometry "$w" | awk '/Position/ {p=$2} /Geometry/ {print p, $2}'
    done | sort
}
expected=$(printf '%s\n' "20,20 180x140" "220,20 180x140" "420,20 180x140")
# The window manager may still be busy with a window when it first counts.
places_as_stored() { [ "$(note_places)" = "$expected" ]; }
wait_for 10 places_as_stored || fail "note windows at $(note_places)"
note_windows_are 3 || fail "hidden or wastebasket notes got windows"
active=$(xdotool getactivewindow getwindowname 2>/dev/null || true)
[ "$active" != vesknote ] || fail "a note took the keyboard as it came up"

status=0
timeout 10 "$VESKNOTES" >"$E2E_DIR/second.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status"
program_running || fail "the first start ended"
note_windows_are 3 || fail "the second start added windows"
echo "three note windows at their places, the tray icon, and a quiet second start"

#!/usr/bin/env bash
# A note on a real desktop: a double-click opens it for editing even though a
# press can start the window manager's move, and the context menu's commands
# reach the note.
source "$(dirname "$0")/desktop.sh"
: "${VESK_SCREENGRAB:?path of vesk_screengrab}"

prepare_data 1 0 0
start_desktop
start_tray
start_program
wait_for 20 note_windows_are 1 || fail "the note did not come up"
note=$(windows_named '^vesknote$')
note_focused() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$note" ]; }

xdotool mousemove 110 100 click --repeat 2 --delay 80 1
wait_for 10 note_focused || fail "the note did not take the keyboard"
xdotool type --delay 30 'opened by a double-click'
xdotool key ctrl+Return

# The menu opens right of the note, over the black desktop.
xdotool mousemove 190 100 click 3
menu_open() { [ "$("$VESK_SCREENGRAB" dark 210 110 60 60)" -lt 1000 ]; }
wait_for 10 menu_open || fail "no context menu"
# Edit, Set Alarm, Clear Contents, Shade, Hide.
xdotool key Down Down Down Down Down Return
wait_for 10 note_windows_are 0 || fail "Hide from the menu left the note on the desktop"

status=0
terminate_program || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
listing=$("$VESK_E2E_FILES" list "$DATA/notes.xml")
[ "$listing" = "1 0 Note 0|opened by a double-click" ] || fail "notes.xml holds: $listing"
echo "edited after a double-click and hidden from the menu"

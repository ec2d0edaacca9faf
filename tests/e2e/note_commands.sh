#!/usr/bin/env bash
# A note on a real desktop: a double-click opens it for editing even though a
# press can start the window manager's move, and the context menu's commands
# reach the note.
source "$(dirname "$0")/desktop.sh"
: "${VESK_SCREENGRAB:?path of vesk_screengrab}"

prepare_data 1 0 0
start_session 1
note=$(windows_named '^vesknote$')

xdotool mousemove 110 100 click --repeat 2 --delay 80 1
wait_for 10 active_is "$note" || fail "the note did not take the keyboard"
xdotool type --delay 30 'opened by a double-click'
xdotool key ctrl+Return

open_note_menu
# Edit, Set Alarm, Clear Contents, Shade, Hide.
xdotool key Down Down Down Down Down Return
wait_for 10 note_windows_are 0 || fail "Hide from the menu left the note on the desktop"
end_program
notes_match '^1 0 Note 0\|opened by a double-click$'
echo "edited after a double-click and hidden from the menu"

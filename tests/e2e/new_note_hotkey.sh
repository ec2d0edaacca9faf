#!/usr/bin/env bash
# The new-note hot key opens the "New Note" chooser; N makes a message note,
# which the exit save writes.
source "$(dirname "$0")/desktop.sh"

prepare_data 1 0 0
start_desktop
start_tray
start_program
wait_for 20 note_windows_are 1 || fail "the note did not come up"

# The hot key is taken at the end of the start-up: press until it answers.
press_hot_key() {
    xdotool key ctrl+alt+n
    wait_for 1 window_shown 'New Note'
}
wait_for 10 press_hot_key || fail "Ctrl+Alt+N did not open the chooser"
chooser_focused() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = 'New Note' ]; }
wait_for 10 chooser_focused || fail "the chooser did not take the keyboard"
xdotool key n
wait_for 10 window_gone 'New Note' || fail "N did not close the chooser"
wait_for 10 note_windows_are 2 || fail "N made no note"

status=0
terminate_program || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
listing=$("$VESK_E2E_FILES" list "$DATA/notes.xml")
[ "$(grep -c '^0 0 ' <<<"$listing")" -eq 2 ] || fail "notes.xml holds: $listing"
echo "the chooser made a message note"

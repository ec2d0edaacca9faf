#!/usr/bin/env bash
# While a dialog of the program is open: it and the new-note hot key's chooser
# stand above a stay-on-top note, clicked or not; the message note that N makes there takes
# the keyboard for the text typed; the tray menu still opens, and its Exit
# closes the dialog and saves the notes.
source "$(dirname "$0")/desktop.sh"

mkdir -p "$DATA/backup" "$DATA/archive"
"$VESK_E2E_FILES" on-top "$DATA/notes.xml"
"$VESK_E2E_FILES" settings "$DATA/settings.xml" 10000 0
start_desktop
start_tray
start_program
wait_for 20 note_windows_are 1 || fail "the note did not come up"
wait_for 20 tray_icon_shown || fail "no tray icon"
on_top=$(windows_named '^vesknote$')

# Exit, New, Import Note, Config/Tools from the bottom; About is second in it.
open_tray_menu || fail "the tray menu did not open"
xdotool key Up Up Up Up Right Down Return
wait_for 10 window_shown 'About vesk notes 4' || fail "no About box"
stacked_above 'About vesk notes 4' vesknote || fail "the note covers the About box"
# Clicked, the note comes forward, but not over the dialog.
xdotool mousemove 300 600 click 1
wait_for 5 stacked_above 'About vesk notes 4' vesknote || fail "the clicked note covers the About box"

# The hot key is taken at the end of the start-up: press until it answers.
press_hot_key() {
    xdotool key ctrl+alt+n
    wait_for 1 window_shown 'New Note'
}
wait_for 10 press_hot_key || fail "Ctrl+Alt+N did not open the chooser"
stacked_above 'New Note' vesknote || fail "the note covers the chooser"
chooser_focused() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = 'New Note' ]; }
wait_for 10 chooser_focused || fail "the chooser did not take the keyboard"
xdotool key n
wait_for 10 note_windows_are 2 || fail "N made no note"
new_note_focused() {
    local active
    active=$(xdotool getactivewindow 2>/dev/null) || return 1
    [ "$active" != "$on_top" ] && [ "$(xdotool getwindowname "$active")" = vesknote ]
}
wait_for 10 new_note_focused || fail "the new note did not take the keyboard"
xdotool type --delay 30 'Hello there'
xdotool key ctrl+Return
window_shown 'About vesk notes 4' || fail "the typing reached the About box"

open_tray_menu || fail "the tray menu did not open while the About box was open"
xdotool key Up Return
status=0
program_status "after Exit" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
listing=$("$VESK_E2E_FILES" list "$DATA/notes.xml")
grep -q '^0 0 On top|$' <<<"$listing" || fail "notes.xml holds: $listing"
grep -q '^0 0 .*|Hello there$' <<<"$listing" || fail "notes.xml holds: $listing"
echo "dialogs above the note on top, the new note typed into, Exit from the tray"

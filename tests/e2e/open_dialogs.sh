#!/usr/bin/env bash
# While a dialog of the program is open: it and the new-note hot key's chooser
# stand above a stay-on-top note, clicked or not; the message note that N makes there takes
# the keyboard for the text typed; the tray menu still opens, and its Exit
# closes the dialog and saves the notes.
source "$(dirname "$0")/desktop.sh"

prepare_data 0 0 0
"$VESK_E2E_FILES" on-top "$DATA/notes.xml"
start_session 1
on_top=$(windows_named '^vesknote$')

# Exit, New, Import Note, Config/Tools from the bottom; About is second in it.
open_tray_menu || fail "the tray menu did not open"
xdotool key Up Up Up Up Right Down Return
wait_for 10 window_shown 'About vesk notes 4' || fail "no About box"
stacked_above 'About vesk notes 4' vesknote || fail "the note covers the About box"
# Clicked, the note comes forward, but not over the dialog.
xdotool mousemove 300 600 click 1
wait_for 5 stacked_above 'About vesk notes 4' vesknote || fail "the clicked note covers the About box"

wait_for 10 hot_key_opens ctrl+alt+n 'New Note' || fail "Ctrl+Alt+N did not open the chooser"
stacked_above 'New Note' vesknote || fail "the note covers the chooser"
wait_for 10 active_titled 'New Note' || fail "the chooser did not take the keyboard"
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
# The tray menu still opens while the About box is open.
exit_from_tray
notes_match $'^0 0 On top\\|\n0 0 .*\\|Hello there$'
echo "dialogs above the note on top, the new note typed into, Exit from the tray"

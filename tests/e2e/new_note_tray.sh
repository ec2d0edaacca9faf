#!/usr/bin/env bash
# A double-click on the tray icon opens a new note for editing; the typed text
# is drawn once Ctrl+Enter ends the edit; Ctrl+T crumples the note, and with
# the wastebasket policy "never" the exit save keeps it in the wastebasket.
source "$(dirname "$0")/desktop.sh"
: "${VESK_SCREENGRAB:?path of vesk_screengrab}"

prepare_data 0 0 0 10000 0
start_session 0

double_click_tray_icon
wait_for 10 note_windows_are 1 || fail "no new note after the double-click"
note=$(windows_named '^vesknote$')
wait_for 10 active_is "$note" || fail "the new note did not take the keyboard"

xdotool type --delay 30 'Buy milk and bread'
xdotool key ctrl+Return
eval "$(xdotool getwindowgeometry --shell "$note")"
# The content below the title bar, clear of the shadow: only text is dark on
# the pale style of the settings.
text_drawn() {
    [ "$("$VESK_SCREENGRAB" dark $((X + 8)) $((Y + 34)) $((WIDTH - 30)) $((HEIGHT - 52)))" -gt 300 ]
}
wait_for 10 text_drawn || fail "the typed text was not drawn"

xdotool key ctrl+t
wait_for 10 note_windows_are 0 || fail "Ctrl+T did not crumple the note"
end_program
notes_match '^2 0 [0-9]{4}-[0-9]{2}-[0-9]{2}\|Buy milk and bread$'
echo "typed, drawn, crumpled and kept in the wastebasket"

#!/usr/bin/env bash
# A double-click on the tray icon opens a new note for editing; the typed text
# is drawn once Ctrl+Enter ends the edit; Ctrl+T crumples the note, and with
# the wastebasket policy "never" the exit save keeps it in the wastebasket.
source "$(dirname "$0")/desktop.sh"
: "${VESK_SCREENGRAB:?path of vesk_screengrab}"

prepare_data 0 0 0 10000 0
start_desktop
start_tray
start_program
wait_for 20 tray_icon_shown || fail "no tray icon"

read -r x y < <("$VESK_E2E_WINDOWS" tray-icon)
xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
wait_for 10 note_windows_are 1 || fail "no new note after the double-click"
note=$(windows_named '^vesknote$')
note_focused() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$note" ]; }
wait_for 10 note_focused || fail "the new note did not take the keyboard"

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

status=0
terminate_program || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
listing=$("$VESK_E2E_FILES" list "$DATA/notes.xml")
[[ "$listing" =~ ^2\ 0\ [0-9]{4}-[0-9]{2}-[0-9]{2}\|Buy\ milk\ and\ bread$ ]] ||
    fail "notes.xml holds: $listing"
echo "typed, drawn, crumpled and kept in the wastebasket"

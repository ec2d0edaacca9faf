#!/usr/bin/env bash
# The Notebook opened from the tray lists the notes of the desktop; a crumpled
# note selected in its Wastebasket folder and restored comes back on the
# desktop, and the notes file written at exit has it there.
source "$(dirname "$0")/desktop.sh"
: "${VESK_SCREENGRAB:?path of vesk_screengrab}"

prepare_data 3 0 1
start_session 3

# Notebook/Archive is seventh from the bottom: Exit, New, Import Note,
# Config/Tools, Do To All, Waste Basket.
open_tray_menu || fail "the tray menu did not open"
xdotool key Up Up Up Up Up Up Up Return
wait_for 10 window_shown Notebook || fail "no Notebook"
notebook=$(windows_named '^Notebook$')
eval "$(xdotool getwindowgeometry --shell "$notebook")"
# The list's rows below the tabs and the check band: text on white.
rows_drawn() { [ "$("$VESK_SCREENGRAB" dark $((X + 60)) $((Y + 55)) 200 150)" -gt 200 ]; }
wait_for 10 rows_drawn || fail "the Desktop folder lists no notes"

# The Wastebasket tab, its only row, and the preview's Restore button.
xdotool mousemove --window "$notebook" 100 12 click 1
sleep 0.3
xdotool mousemove --window "$notebook" 150 65 click 1
sleep 0.3
xdotool mousemove --window "$notebook" 420 15 click 1
wait_for 10 note_windows_are 4 || fail "the restored note is not on the desktop"

exit_from_tray
listing=$("$VESK_E2E_FILES" list "$DATA/notes.xml")
[ "$(grep -c '^0 ' <<<"$listing")" -eq 4 ] || fail "notes.xml holds: $listing"
grep -q '^0 0 Note 3|' <<<"$listing" || fail "notes.xml holds: $listing"
echo "the Notebook lists the notes and restores a crumpled one to the desktop"

#!/usr/bin/env bash
# Editing a note brings up its edit options beside it. From the keyboard, the
# colour page gives the note the selected theme's pale style and the
# transparency page its lowest opacity; OK ends the edit, and the exit save
# keeps both in notes.xml.
source "$(dirname "$0")/desktop.sh"

prepare_data 1 0 0
"$VESK_E2E_FILES" looks "$DATA/notes.xml" | grep -qx '200 #80e180 #004000' ||
    fail "the note does not start green: $("$VESK_E2E_FILES" looks "$DATA/notes.xml")"
start_session 1
note=$(windows_named '^vesknote$')
eval "$(xdotool getwindowgeometry --shell "$note")"
note_right=$((X + WIDTH))
xdotool mousemove $((X + 90)) $((Y + 80)) click --repeat 2 --delay 80 1
wait_for 10 window_shown "Edit Options" || fail "editing brought up no edit options"
sheet=$(windows_named '^Edit Options$')
eval "$(xdotool getwindowgeometry --shell "$sheet")"
[ "$X" -ge "$note_right" ] || fail "the edit options at x $X cover the note (right edge $note_right)"

xdotool windowactivate --sync "$sheet"
# To the colour page, past its theme list to the swatches, down to the
# second: the theme's style after the note's own. Then to the transparency
# page's slider and to its lowest. OK is the default button.
xdotool key ctrl+Tab Tab Down ctrl+Tab Home Return
wait_for 10 window_gone "Edit Options" || fail "OK did not end the edit"
end_program
looks=$("$VESK_E2E_FILES" looks "$DATA/notes.xml")
# 10 per cent of 255, rounded.
[ "$looks" = "26 #ffffd2 #fffaaa" ] || fail "notes.xml holds the note as: $looks"
echo "the edit options gave the note the pale style at 10 per cent: $looks"

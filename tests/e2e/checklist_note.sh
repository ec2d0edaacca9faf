#!/usr/bin/env bash
# The tray's New > Checklist Note opens a checklist for editing: Enter adds an
# item and opens its label, Enter after the last one adds the next, Ctrl+Enter
# keeps the label typed and ends the edit. A click on the first item's box
# ticks it, and the exit save keeps it ticked in notes.xml.
source "$(dirname "$0")/desktop.sh"
: "${VESK_SCREENGRAB:?path of vesk_screengrab}"

prepare_data 0 0 0
start_session 0

# New is second from the bottom; Checklist Note second in it.
open_tray_menu || fail "the tray menu did not open"
xdotool key Up Up Right Down Return
wait_for 10 note_windows_are 1 || fail "Checklist Note made no note"
note=$(windows_named '^vesknote$')
wait_for 10 active_is "$note" || fail "the new note did not take the keyboard"
wait_for 10 window_shown "Edit Options" || fail "the new note did not open for editing"

xdotool key Return
xdotool type --delay 30 'Milk'
xdotool key Return
xdotool type --delay 30 'Bread'
xdotool key ctrl+Return
# The keys are only sent; the boxes are painted once the edit has ended.
wait_for 10 window_gone "Edit Options" || fail "Ctrl+Enter did not end the edit"

# The boxes stand 6 pixels in from the note's left, dark on the pale note:
# the first row below the title bar that is dark all across one is the top
# edge of the first box.
eval "$(xdotool getwindowgeometry --shell "$note")"
box_top() {
    local y=$((Y + 20)) count
    while read -r count; do
        if [ "$count" -ge 9 ]; then
            echo "$y"
            return 0
        fi
        y=$((y + 1))
    done < <("$VESK_SCREENGRAB" dark-rows $((X + 6)) "$y" 10 80)
    return 1
}
first_box_drawn() { top=$(box_top); }
wait_for 10 first_box_drawn || fail "no box drawn after the edit"
xdotool mousemove $((X + 10)) $((top + 5)) click 1
# Ticked, the box turns to the faded colour.
box_ticked() { [ "$("$VESK_SCREENGRAB" dark $((X + 6)) "$top" 10 1)" -lt 9 ]; }
wait_for 10 box_ticked || fail "the click did not tick the box"

end_program
notes_match '^0 2 [0-9]{4}-[0-9]{2}-[0-9]{2}\|\*Milk\\n-Bread\\n$'
echo "two items typed, the first ticked with a click and kept in notes.xml"

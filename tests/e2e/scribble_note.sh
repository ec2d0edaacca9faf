#!/usr/bin/env bash
# The tray's New > Scribble Note opens a scribble for editing; a drag with the
# left button draws on it, Ctrl+Enter ends the edit, and the exit save keeps
# the ink along the drag in notes.xml.
source "$(dirname "$0")/desktop.sh"

prepare_data 0 0 0
start_session 0

# New is second from the bottom; Scribble Note third in it.
open_tray_menu || fail "the tray menu did not open"
xdotool key Up Up Right Down Down Return
wait_for 10 note_windows_are 1 || fail "Scribble Note made no note"
note=$(windows_named '^vesknote$')
wait_for 10 active_is "$note" || fail "the new note did not take the keyboard"

# Across the middle of the 200 by 200 note, 120 pixels long: in, pressed,
# along in steps, released.
eval "$(xdotool getwindowgeometry --shell "$note")"
x=$((X + 40))
y=$((Y + 110))
xdotool mousemove "$x" "$y" sleep 0.1 mousemove $((x + 1)) "$y" sleep 0.1 mousedown 1
for step in $(seq 10 10 120); do
    xdotool mousemove $((x + step)) "$y" sleep 0.02
done
xdotool mouseup 1
xdotool key ctrl+Return
end_program
notes_match '^0 1 '
# The drawing is the content area (the shadow on), 6 pixels in from the
# note's left: the ink runs from the drag's start to its end, as high as the
# brush.
read -r width height left top right bottom inked < <("$VESK_E2E_FILES" ink "$DATA/notes.xml") ||
    fail "notes.xml holds no drawing"
[ "$width" -eq 186 ] || fail "the drawing is $width pixels wide"
[ "$left" -ge 28 ] && [ "$left" -le 34 ] && [ "$right" -ge 150 ] && [ "$right" -le 156 ] &&
    [ $((bottom - top)) -le 8 ] && [ "$inked" -ge $((120 * 6)) ] ||
    fail "the ink lies at $left $top $right $bottom ($inked pixels) in $width x $height"
echo "scribbled with a drag, kept in notes.xml: $left $top $right $bottom ($inked pixels)"

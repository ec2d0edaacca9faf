#!/usr/bin/env bash
# Dragging a note marks the notes changed; the next auto-save takes a backup,
# then writes the note's new place.
source "$(dirname "$0")/desktop.sh"

prepare_data 1 0 0 300
start_session 1
note=$(windows_named '^vesknote$')

xdotool mousemove 110 90 mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $((110 + step * 20)) $((90 + step * 15))
    sleep 0.02
done
xdotool mouseup 1
wait_for 10 test -f "$DATA/backup/backup1.xml" || fail "no backup after the drag"

moved_to() { [ "$("$VESK_E2E_FILES" note-place "$DATA/notes.xml" 0)" = "$1" ]; }
position=$(xdotool getwindowgeometry "$note" | awk '/Position/ {print $2}')
left=${position%,*}
top=${position#*,}
[ "$left" -gt 20 ] && [ "$top" -gt 20 ] || fail "the note did not move (at $position)"
wait_for 10 moved_to "$left $top $((left + 180)) $((top + 140))" ||
    fail "notes.xml does not hold the new place $position"
echo "backup1.xml made and the new place saved"

#!/usr/bin/env bash
# An alarm set from a note's menu: the Set Alarm dialog, driven with the keys,
# sets it two seconds ahead of the second it opened at, and the note shakes
# when that second comes, not before.
source "$(dirname "$0")/desktop.sh"
: "${VESK_SCREENGRAB:?path of vesk_screengrab}"

prepare_data 1 0 0
start_session 1
note=$(windows_named '^vesknote$')
note_left() { xdotool getwindowgeometry "$note" | awk '/Position/ {print $2 + 0}'; }
rest=$(note_left)
shaking() { [ "$(note_left)" != "$rest" ]; }
resting() { [ "$(note_left)" = "$rest" ]; }

# The seconds go up from the second the dialog opens at; two more must not
# run past 59.
while [ "$(date +%S)" -gt 50 ]; do sleep 0.2; done
opened=$(date +%s)
open_note_menu
# Edit, Set Alarm.
xdotool key Down Down Return
wait_for 10 active_titled "Set Alarm" || fail "no Set Alarm dialog"
# The box on; "at" leads to the time, whose third part is the seconds.
xdotool key space alt+a Tab Tab Up Up Return
wait_for 10 window_gone "Set Alarm" || fail "the dialog stayed open"
resting || fail "the note moved before its alarm"

wait_for 10 shaking || fail "the note did not shake"
shook=$(date +%s)
[ "$shook" -ge $((opened + 2)) ] || fail "the note shook at $shook, before its alarm"
end_program
echo "the alarm set from the menu shook the note $((shook - opened)) s after the dialog opened"

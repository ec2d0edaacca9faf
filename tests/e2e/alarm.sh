#!/usr/bin/env bash
# An alarm set from a note's menu: the Set Alarm dialog, driven with the keys,
# sets it two seconds ahead of the second it opened at, and the note shakes
# when that second comes, not before.
source "$(dirname "$0")/desktop.sh"
: "${VESK_SCREENGRAB:?path of vesk_screengrab}"

prepare_data 1 0 0
start_desktop
start_tray
start_program
wait_for 20 note_windows_are 1 || fail "the note did not come up"
note=$(windows_named '^vesknote$')
note_left() { xdotool getwindowgeometry "$note" | awk '/Position/ {print $2 + 0}'; }
rest=$(note_left)
shaking() { [ "$(note_left)" != "$rest" ]; }
resting() { [ "$(note_left)" = "$rest" ]; }
dialog_active() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "Set Alarm" ]; }

# The seconds go up from the second the dialog opens at; two more must not
# run past 59.
while [ "$(date +%S)" -gt 50 ]; do sleep 0.2; done
opened=$(date +%s)
# The menu opens right of the note, over the black desktop.
xdotool mousemove 190 100 click 3
menu_open() { [ "$("$VESK_SCREENGRAB" dark 210 110 60 60)" -lt 1000 ]; }
wait_for 10 menu_open || fail "no context menu"
# Edit, Set Alarm.
xdotool key Down Down Return
wait_for 10 dialog_active || fail "no Set Alarm dialog"
# The box on; "at" leads to the time, whose third part is the seconds.
xdotool key space alt+a Tab Tab Up Up Return
wait_for 10 window_gone "Set Alarm" || fail "the dialog stayed open"
resting || fail "the note moved before its alarm"

wait_for 10 shaking || fail "the note did not shake"
shook=$(date +%s)
[ "$shook" -ge $((opened + 2)) ] || fail "the note shook at $shook, before its alarm"

status=0
terminate_program || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "the alarm set from the menu shook the note $((shook - opened)) s after the dialog opened"

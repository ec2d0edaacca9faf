#!/usr/bin/env bash
# Without a tray a small window keeps the program reachable; it gives way to
# the tray icon as soon as a tray starts, and comes back when the tray ends.
source "$(dirname "$0")/desktop.sh"

prepare_data 1 0 0
start_desktop
start_program
wait_for 20 note_windows_are 1 || fail "the note did not come up"
wait_for 20 window_shown 'vesk notes 4' || fail "no stand-in window without a tray"

start_tray
wait_for 20 tray_icon_shown || fail "no tray icon once the tray started"
wait_for 10 window_gone 'vesk notes 4' || fail "the stand-in window stayed"
kill "$TRAY_PID"
wait_for 10 window_shown 'vesk notes 4' || fail "no stand-in window once the tray ended"
echo "stand-in window while there is no tray"

#!/usr/bin/env bash
# A second start ends at once with status 0 and leaves the first one alone.
source "$(dirname "$0")/desktop.sh"

prepare_data 2 0 0
start_desktop
start_tray
start_program
wait_for 20 tray_icon_shown || fail "no tray icon"
wait_for 20 note_windows_are 2 || fail "the first start shows no notes"

status=0
timeout 10 "$VESKNOTES" >"$E2E_DIR/second.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status"
program_running || fail "the first start ended"
note_windows_are 2 || fail "the second start added windows"
echo "the second start ended quietly"

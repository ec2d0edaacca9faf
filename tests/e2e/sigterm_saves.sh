#!/usr/bin/env bash
# SIGTERM ends the program as Exit does: notes.xml and settings.xml are
# written and load back to the same notes and settings.
source "$(dirname "$0")/desktop.sh"

prepare_data 2 1 1 10000 0
cp "$DATA/notes.xml" "$E2E_DIR/notes.before"
cp "$DATA/settings.xml" "$E2E_DIR/settings.before"
start_desktop
start_tray
start_program
wait_for 20 note_windows_are 2 || fail "the notes did not come up"
wait_for 20 tray_icon_shown || fail "no tray icon"
touch -d '2001-01-01' "$DATA/notes.xml" "$DATA/settings.xml"

status=0
terminate_program || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ "$DATA/notes.xml" -nt "$E2E_DIR/notes.before" ] || fail "notes.xml was not written"
[ "$DATA/settings.xml" -nt "$E2E_DIR/settings.before" ] || fail "settings.xml was not written"
"$VESK_E2E_FILES" same-notes "$E2E_DIR/notes.before" "$DATA/notes.xml" ||
    fail "the notes changed"
"$VESK_E2E_FILES" same-settings "$E2E_DIR/settings.before" "$DATA/settings.xml" ||
    fail "the settings changed"
echo "both files written back unchanged"

#!/usr/bin/env bash
# The Settings sheet from the tray: sounds turned off and the new-note hot key
# changed to Ctrl+Shift+M take effect at OK (the new key opens the chooser,
# the old one no longer does) and are in settings.xml after the exit.
source "$(dirname "$0")/desktop.sh"

prepare_data 1 0 0
# Sounds start on, so that turning them off shows in the file. The file is
# UTF-16, as the program writes it.
settings_text() { iconv -f UTF-16 -t UTF-8 "$DATA/settings.xml"; }
settings_text | sed 's/"soundEnabled" status="false"/"soundEnabled" status="true"/' |
    iconv -f UTF-8 -t UTF-16 >"$E2E_DIR/settings.xml"
mv "$E2E_DIR/settings.xml" "$DATA/settings.xml"
start_desktop
start_tray
start_program
wait_for 20 note_windows_are 1 || fail "the note did not come up"
wait_for 20 tray_icon_shown || fail "no tray icon"

# Exit, New, Import Note, Config/Tools from the bottom; Settings is its last,
# above its first.
open_tray_menu || fail "the tray menu did not open"
xdotool key Up Up Up Up Right Up Return
wait_for 10 window_shown Settings || fail "no Settings sheet"
sheet_focused() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = Settings ]; }
wait_for 10 sheet_focused || fail "the Settings sheet did not take the keyboard"
# General: Enable Sounds. Hot Keys, two pages on: the new-note box twice
# (off and on again, each click done before the next) leaves the keyboard
# beside its field.
xdotool key --delay 300 alt+s ctrl+Tab ctrl+Tab alt+n alt+n Tab
xdotool key ctrl+shift+m Tab Return
wait_for 10 window_gone Settings || fail "OK did not close the sheet"

press_new_key() {
    xdotool key ctrl+shift+m
    wait_for 1 window_shown 'New Note'
}
wait_for 10 press_new_key || fail "Ctrl+Shift+M did not open the chooser"
xdotool key n
wait_for 10 note_windows_are 2 || fail "N made no note"
xdotool key ctrl+Return
xdotool key ctrl+alt+n
! wait_for 2 window_shown 'New Note' || fail "the old hot key still opens the chooser"

open_tray_menu || fail "the tray menu did not open"
xdotool key Up Return
status=0
program_status "after Exit" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
settings=$(settings_text)
grep -q '<setting id="soundEnabled" status="false"/>' <<<"$settings" ||
    fail "sounds are still on in settings.xml"
grep -q '<hotkey id="newnote" modifiers="3" used="true" virtualKey="77"/>' <<<"$settings" ||
    fail "settings.xml holds: $(grep hotkey <<<"$settings")"
echo "sounds off and the new hot key taken at OK, both kept in settings.xml"

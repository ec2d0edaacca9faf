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
start_session 1

# Exit, New, Import Note, Config/Tools from the bottom; Settings is its last,
# above its first.
open_tray_menu || fail "the tray menu did not open"
xdotool key Up Up Up Up Right Up Return
wait_for 10 window_shown Settings || fail "no Settings sheet"
wait_for 10 active_titled Settings || fail "the Settings sheet did not take the keyboard"
# General: Enable Sounds. Hot Keys, two pages on: the new-note box twice
# (off and on again, each click done before the next) leaves the keyboard
# beside its field.
xdotool key --delay 300 alt+s ctrl+Tab ctrl+Tab alt+n alt+n Tab
xdotool key ctrl+shift+m Tab Return
wait_for 10 window_gone Settings || fail "OK did not close the sheet"

wait_for 10 hot_key_opens ctrl+shift+m 'New Note' || fail "Ctrl+Shift+M did not open the chooser"
xdotool key n
wait_for 10 note_windows_are 2 || fail "N made no note"
xdotool key ctrl+Return
xdotool key ctrl+alt+n
! wait_for 2 window_shown 'New Note' || fail "the old hot key still opens the chooser"

exit_from_tray
settings=$(settings_text)
grep -q '<setting id="soundEnabled" status="false"/>' <<<"$settings" ||
    fail "sounds are still on in settings.xml"
grep -q '<hotkey id="newnote" modifiers="3" used="true" virtualKey="77"/>' <<<"$settings" ||
    fail "settings.xml holds: $(grep hotkey <<<"$settings")"
echo "sounds off and the new hot key taken at OK, both kept in settings.xml"

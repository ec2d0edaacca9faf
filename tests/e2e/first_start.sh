#!/usr/bin/env bash
# First starts. With the previous version's folder: the Import Helper's
# "Import" brings its notes onto the screen and its archived note into the
# archive, its log-in entry replaced by ours, and no copy is left behind. Ended by SIGTERM while the helper waits, a first start leaves the
# installation's files in place. Without a previous version the wizard comes,
# and a note made from the tray meanwhile is kept.
source "$(dirname "$0")/desktop.sh"

PREVIOUS="$XDG_DATA_HOME/vesk notes 3"
ENTRIES="$XDG_CONFIG_HOME/autostart"

# answer <title> <key>: the key to the program's dialog of that title.
answer() {
    local dialog
    dialog=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
    [ -n "$dialog" ] || fail "no window \"$1\""
    xdotool windowactivate --sync "$dialog" key "$2"
}

data_files() { ls "$DATA" | tr '\n' ' '; }

start_desktop
start_tray

"$VESK_E2E_FILES" previous "$PREVIOUS" || fail "could not write the previous version's files"
mkdir -p "$ENTRIES"
printf '[Desktop Entry]\nType=Application\nName=vesk notes 3\nExec=/old/vesknotes\n' \
    >"$ENTRIES/vesk-notes-3.desktop"
start_program
wait_for 20 window_shown "Import Helper" || fail "no Import Helper"
answer "Import Helper" Return
wait_for 20 window_shown "Import Complete" || fail "no word of the import"
answer "Import Complete" Return
wait_for 20 note_windows_are 2 || fail "$(count_note_windows) notes on screen, not the 2 imported"
[ "$(data_files)" = "archive backup notes.xml settings.xml " ] ||
    fail "the data folder holds $(data_files)"
[ -f "$DATA/archive/Old plans.vesknote" ] || fail "the archived note was not imported"
[ ! -e "$ENTRIES/vesk-notes-3.desktop" ] || fail "the previous version's log-in entry stayed"
grep -qF "Exec=\"$VESKNOTES\"" "$ENTRIES/vesk-notes-4.desktop" || fail "no log-in entry of ours"
end_program
notes_match $'^0 0 Old groceries\\|eggs\\\\nmilk\n0 2 Old chores\\|\\*Dishes\\\\n-Laundry\\\\n$'

rm -rf "$DATA"
start_program
wait_for 20 window_shown "Import Helper" || fail "no Import Helper the second time"
end_program
[ "$(data_files)" = "archive backup notes.xml settings.xml " ] ||
    fail "ended during the Import Helper, the data folder holds $(data_files)"
"$VESK_E2E_FILES" list "$DATA/notes.xml" >/dev/null || fail "the notes file is unreadable"
[ -z "$(ls "$DATA/archive")" ] || fail "the archive was copied without an import"

rm -rf "$DATA" "$PREVIOUS"
start_program
wait_for 20 window_shown "Welcome to vesk notes 4" || fail "no wizard"
wait_for 20 tray_icon_shown || fail "no tray icon"
double_click_tray_icon
wait_for 10 note_windows_are 1 || fail "the tray did not answer while the wizard waited"
for page in welcome customize hints; do
    answer "Welcome to vesk notes 4" Return || fail "could not leave the $page page"
done
wait_for 10 window_gone "Welcome to vesk notes 4" || fail "Finish did not close the wizard"
wait_for 10 note_windows_are 2 || fail "$(count_note_windows) notes, not the new one and the welcome"
end_program
echo "imported, cut short cleanly, and welcomed"

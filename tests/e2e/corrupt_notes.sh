#!/usr/bin/env bash
# An unreadable notes file brings up "Yikes!" over the desktop, with the
# keyboard; the file is kept under a name of its own, and the answer lets the
# program go on.
source "$(dirname "$0")/desktop.sh"

prepare_data 1 0 0
printf 'this is not a notes file' >"$DATA/notes.xml"
start_session
wait_for 20 window_shown 'Yikes!' || fail "no Yikes! message"

kept=("$DATA"/notes.xml.unreadable-*)
[ -f "${kept[0]}" ] || fail "the unreadable file was not kept"
[ ! -e "$DATA/notes.xml" ] || fail "notes.xml is still in place"

wait_for 10 active_titled 'Yikes!' || fail "Yikes! did not take the focus"
xdotool key Escape
wait_for 10 window_gone 'Yikes!' || fail "Yikes! did not go away on No"
wait_for 20 tray_icon_shown || fail "no tray icon after the answer"
end_program
echo "Yikes! asked and ${kept[0]##*/} kept"

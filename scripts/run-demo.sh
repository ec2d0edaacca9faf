#!/usr/bin/env bash
# Starts vesk notes 4 from the build folder given (default: build).
#
# On a desktop (DISPLAY set) it simply runs the program with your own notes.
# Without one it starts a private virtual desktop (Xvfb, openbox, trayer),
# runs the program there on a demo data folder, saves pictures of the desktop
# and of the open tray menu under <build>/screenshots/, and ends the program
# the way a logout would (SIGTERM).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
export VESKNOTES=$PWD/$build/src/vesknotes
export VESK_E2E_FILES=$PWD/$build/tests/e2e/vesk_e2e_files
export VESK_E2E_WINDOWS=$PWD/$build/tests/e2e/vesk_e2e_windows
grab=$PWD/$build/tests/e2e/vesk_screengrab

if [ -n "${DISPLAY:-}" ]; then
    exec "$VESKNOTES"
fi

shots=$PWD/$build/screenshots
mkdir -p "$shots"
source tests/e2e/desktop.sh

mkdir -p "$DATA/backup" "$DATA/archive"
"$VESK_E2E_FILES" demo "$DATA/notes.xml"
"$VESK_E2E_FILES" settings "$DATA/settings.xml" 10000 1
start_desktop
start_tray
start_program
wait_for 20 note_windows_are 3 || fail "the demo notes did not come up"
wait_for 20 tray_icon_shown || fail "the tray icon did not come up"
# Let the translucent windows finish their first paint.
sleep 0.5
"$grab" "$shots/desktop.png" || fail "could not take a picture of the desktop"

tray_icon=$("$VESK_E2E_WINDOWS" tray-icon) || fail "could not find the tray icon"
read -r icon_x icon_y <<<"$tray_icon"
xdotool mousemove "$icon_x" "$icon_y" click 3

menu_open() {
    local w
    for w in $(xdotool search --onlyvisible --classname '^vesknotes$' 2>/dev/null); do
        [ "$(xwininfo -id "$w" | awk '/Width/ {print $2}')" -gt 64 ] && return 0
    done
    return 1
}
wait_for 10 menu_open || fail "the tray menu did not open"
sleep 0.3
"$grab" "$shots/tray-menu.png" || fail "could not take a picture of the tray menu"
xdotool key Escape

status=0
terminate_program || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "vesk notes 4 ran on a virtual desktop and ended cleanly. Pictures:"
echo "  $shots/desktop.png"
echo "  $shots/tray-menu.png"

# shellcheck shell=bash
# A private virtual desktop for one end-to-end scenario: Xvfb, openbox as the
# window manager, trayer as the tray, and the program in its own HOME and XDG
# folders. Sourced by each scenario; everything it starts ends with it.
set -euo pipefail

: "${VESKNOTES:?path of the vesknotes executable}"
: "${VESK_E2E_FILES:?path of vesk_e2e_files}"
: "${VESK_E2E_WINDOWS:?path of vesk_e2e_windows}"
for helper in "$VESKNOTES" "$VESK_E2E_FILES" "$VESK_E2E_WINDOWS"; do
    [ -x "$helper" ] || { echo "$helper is not built" >&2; exit 1; }
done

for tool in Xvfb openbox trayer xdotool xwininfo xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/vesk-e2e.XXXXXX")
export HOME=$E2E_DIR/home XDG_DATA_HOME=$E2E_DIR/data XDG_CONFIG_HOME=$E2E_DIR/config
export XDG_CACHE_HOME=$E2E_DIR/cache XDG_RUNTIME_DIR=$E2E_DIR/runtime
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Nothing of the caller's desktop session may leak in.
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
DATA="$XDG_DATA_HOME/vesk notes 4"

E2E_PIDS=()
PROGRAM_PID=
TRAY_PID=

e2e_cleanup() {
    local pid
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${E2E_PIDS[i]}
        kill "$pid" 2>/dev/null || true
        # What ignores SIGTERM is not left behind.
        wait_for 5 process_ended "$pid" || kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$E2E_DIR"
}
trap e2e_cleanup EXIT

# Gone, or ended and waiting to be reaped.
process_ended() { ! ps -o stat= -p "$1" | grep -qv Z; }

fail() {
    echo "FAILED: $*" >&2
    if [ -s "$E2E_DIR/program.log" ]; then
        echo "--- program output (its end)" >&2
        tail -n 40 "$E2E_DIR/program.log" >&2
    fi
    exit 1
}

# wait_for <seconds> <command...>: polls the command until it succeeds.
# Timed in microseconds: SECONDS counts whole seconds, which would cut a
# one-second wait to almost nothing when it starts just before a tick.
wait_for() {
    local limit=$1
    shift
    local deadline=$((${EPOCHREALTIME//[!0-9]/} + limit * 1000000))
    until "$@"; do
        [ "${EPOCHREALTIME//[!0-9]/}" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# -noreset: by default Xvfb starts over whenever its last client leaves, and
# every probe below is a client of its own. One that ends before openbox has
# connected wipes the new desktop and drops the connections being made.
start_desktop() {
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$E2E_DIR/display" \
        2>"$E2E_DIR/xvfb.log" &
    E2E_PIDS+=($!)
    wait_for 20 test -s "$E2E_DIR/display" || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$E2E_DIR/display")"
    openbox >"$E2E_DIR/openbox.log" 2>&1 &
    E2E_PIDS+=($!)
    wait_for 20 window_manager_running || fail "openbox did not start: $(cat "$E2E_DIR/openbox.log")"
}

window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

start_tray() {
    trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
        >"$E2E_DIR/trayer.log" 2>&1 &
    TRAY_PID=$!
    E2E_PIDS+=("$TRAY_PID")
    wait_for 20 tray_running || fail "trayer did not start"
}

# The program finds a tray that starts after it, so the tray's first window
# is enough to go on.
tray_running() { xdotool search --classname '^trayer$' >/dev/null 2>&1; }

# Ids of the viewable windows whose title matches the pattern.
windows_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }

# The window that has the keyboard: by id, or by title.
active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
active_titled() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }

# Viewable windows with exactly this title.
count_windows() { "$VESK_E2E_WINDOWS" count "$1"; }
window_shown() { [ "$(count_windows "$1")" -gt 0 ]; }
window_gone() { [ "$(count_windows "$1")" -eq 0 ]; }

count_note_windows() { count_windows vesknote; }
note_windows_are() { [ "$(count_note_windows)" -eq "$1" ]; }

# The program's icon embedded in the tray.
tray_icon_shown() { "$VESK_E2E_WINDOWS" tray-icon >/dev/null; }

# The tray icon's menu, opened with the right button held for a moment.
open_tray_menu() {
    local x y shown=0
    read -r x y < <("$VESK_E2E_WINDOWS" tray-icon)
    xdotool mousemove "$x" "$y" mousedown 3
    wait_for 10 tray_menu_shown || shown=$?
    xdotool mouseup 3
    return "$shown"
}
# The menu carries the icon's title.
tray_menu_shown() { [ "$(count_windows vesknotes)" -ge 2 ]; }

double_click_tray_icon() {
    local x y
    read -r x y < <("$VESK_E2E_WINDOWS" tray-icon)
    xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
}

# The context menu of a note at (20, 20): it opens right of the note, over
# the black desktop.
open_note_menu() {
    xdotool mousemove 190 100 click 3
    wait_for 10 note_menu_open || fail "no context menu"
}
note_menu_open() { [ "$("$VESK_SCREENGRAB" dark 210 110 60 60)" -lt 1000 ]; }

# hot_key_opens <keys> <title>: the hot keys are taken at the end of the
# start-up, so a scenario presses until the window answers.
hot_key_opens() {
    xdotool key "$1"
    wait_for 1 window_shown "$2"
}

# stacked_above <title> <title>: the window manager stacks a window of the
# first title above every window of the second.
stacked_above() {
    local window
    for window in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'); do
        xdotool getwindowname "$window" 2>/dev/null || echo
    done | awk -v upper="$1" -v lower="$2" '
        $0 == lower { low = NR }
        $0 == upper { up = NR }
        END { exit !(low > 0 && up > low) }'
}

# prepare_data <shown> <hidden> <wastebasket> [auto-save ms] [wastebasket policy]
prepare_data() {
    mkdir -p "$DATA/backup" "$DATA/archive"
    "$VESK_E2E_FILES" notes "$DATA/notes.xml" "$1" "$2" "$3"
    "$VESK_E2E_FILES" settings "$DATA/settings.xml" "${4:-10000}" "${5:-0}"
}

# start_program [file size limit in KiB]: past the limit, writes fail as on
# a full disk.
start_program() {
    if [ -n "${1:-}" ]; then
        (trap '' XFSZ && ulimit -f "$1" && exec "$VESKNOTES") >"$E2E_DIR/program.log" 2>&1 &
    else
        "$VESKNOTES" >"$E2E_DIR/program.log" 2>&1 &
    fi
    PROGRAM_PID=$!
    E2E_PIDS+=("$PROGRAM_PID")
}

# start_session [notes]: the desktop, its tray and the program; with a count,
# waits for that many note windows and the tray icon.
start_session() {
    start_desktop
    start_tray
    start_program
    [ -n "${1:-}" ] || return 0
    wait_for 20 note_windows_are "$1" || fail "$(count_note_windows) note windows instead of $1"
    wait_for 20 tray_icon_shown || fail "no tray icon"
}

program_running() { kill -0 "$PROGRAM_PID" 2>/dev/null; }
program_ended() { ! program_running; }

# Sends SIGTERM and returns the program's exit status.
terminate_program() {
    kill -TERM "$PROGRAM_PID"
    program_status "after SIGTERM"
}

# program_status <after what>: waits for the program to end and returns its
# exit status.
program_status() {
    wait_for 20 program_ended || fail "the program did not end $1"
    local status=0
    wait "$PROGRAM_PID" || status=$?
    return "$status"
}

# ended_well <command...>: the command waits for the program's end and
# returns its exit status, which must be 0.
ended_well() {
    local status=0
    "$@" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
end_program() { ended_well terminate_program; }
exit_from_tray() {
    open_tray_menu || fail "the tray menu did not open"
    xdotool key Up Return
    ended_well program_status "after Exit"
}

# notes_match <pattern>: the notes file, as listed, matches the pattern.
notes_match() {
    local listing
    listing=$("$VESK_E2E_FILES" list "$DATA/notes.xml")
    [[ "$listing" =~ $1 ]] || fail "notes.xml holds: $listing"
}

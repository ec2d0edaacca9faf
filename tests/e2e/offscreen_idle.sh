#!/usr/bin/env bash
# On a window system that activates every window it shows (Qt's offscreen
# platform), three shown notes leave the program idle: it does not wake up,
# though auto-save is set to every 100 ms; SIGTERM then ends it as Exit does: notes.xml and settings.xml are written and load
# back to the same notes and settings. (The offscreen screen is 800 by 600
# pixels: a fifth note would be moved onto it.)
source "$(dirname "$0")/desktop.sh"
export QT_QPA_PLATFORM=offscreen

prepare_data 3 1 0 100 0
cp "$DATA/notes.xml" "$E2E_DIR/notes.before"
cp "$DATA/settings.xml" "$E2E_DIR/settings.before"
start_program

# Clock ticks of CPU time the program has used, the times its main thread
# was switched out (each wake-up ends with one), and the size of its output.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$PROGRAM_PID/stat"; }
switches() {
    awk '/ctxt_switches/ {n += $2} END {print n}' "/proc/$PROGRAM_PID/task/$PROGRAM_PID/status"
}
output_size() { stat -c %s "$E2E_DIR/program.log"; }
sleep 1
program_running || fail "the program ended by itself"
ticks=$(cpu_ticks)
woken=$(switches)
said=$(output_size)
sleep 1
busy=$(($(cpu_ticks) - ticks))
woken=$(($(switches) - woken))
ticks_per_second=$(getconf CLK_TCK)
[ "$busy" -lt $((ticks_per_second / 2)) ] || fail "busy for $busy of $ticks_per_second ticks"
[ "$woken" -lt 5 ] || fail "woke up $woken times in a second"
[ "$(output_size)" -eq "$said" ] || fail "still writing warnings"
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
echo "idle with three notes; SIGTERM wrote both files back unchanged"

#!/usr/bin/env bash
# Measures how often an idle vesk notes 4 wakes up: the context switches of
# its main thread over a while, on the offscreen platform, with many alarms
# pending a month ahead; beside a bare Qt program without windows
# (vesk_bare_windows 0), idle for as long in the same run. Auto-save is on,
# every 10 s, with nothing to save.
#
# Usage: scripts/measure-wakeups.sh [build folder] [seconds] [alarms] [vesknotes]
# Defaults: build 60 100, and the build's own vesknotes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-60}
alarms=${3:-100}
export VESKNOTES=${4:-$PWD/$build/src/vesknotes}
export VESK_E2E_FILES=$PWD/$build/tests/e2e/vesk_e2e_files
export VESK_E2E_WINDOWS=$PWD/$build/tests/e2e/vesk_e2e_windows
bare=$PWD/$build/tests/e2e/vesk_bare_windows
[ -x "$bare" ] || { echo "$bare is not built" >&2; exit 1; }
source tests/e2e/desktop.sh
export QT_QPA_PLATFORM=offscreen

# Voluntary and involuntary context switches of a process's main thread.
switches() {
    awk '/^(non)?voluntary_ctxt_switches/ {n += $2} END {print n}' "/proc/$1/task/$1/status"
}

# Prints the main thread's wake-ups over the measured while, once the
# command has settled after its start.
idle_wakeups() {
    "$@" >"$E2E_DIR/program.log" 2>&1 &
    local pid=$! before
    E2E_PIDS+=("$pid")
    sleep 5
    kill -0 "$pid" 2>/dev/null || fail "$* ended by itself"
    before=$(switches "$pid")
    sleep "$seconds"
    echo $(($(switches "$pid") - before))
    kill -TERM "$pid"
    wait "$pid" || true
}

prepare_data 0 0 0 10000 0
"$VESK_E2E_FILES" alarms "$DATA/notes.xml" "$alarms" $((30 * 24 * 3600))
program=$(idle_wakeups "$VESKNOTES")
baseline=$(idle_wakeups "$bare" 0)
echo "alarms  seconds  program wake-ups  bare Qt wake-ups"
printf '%6d  %7d  %16d  %16d\n' "$alarms" "$seconds" "$program" "$baseline"

#!/usr/bin/env bash
# Measures, on a private virtual desktop (Xvfb, openbox, trayer), how long
# vesk notes 4 takes from launch until every note window is mapped and the
# tray icon is shown, and how much memory it then holds, for 0, 100 and 1000
# notes. Usage: scripts/measure-startup.sh [build folder] [runs per size]
# [--no-window-manager]. Without the window manager the figures show the
# program's own share; openbox's handling of many windows grows faster than
# linearly. Build in Release for figures worth quoting.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-3}
window_manager=${3:-}
export VESKNOTES=$PWD/$build/src/vesknotes
export VESK_E2E_FILES=$PWD/$build/tests/e2e/vesk_e2e_files
export VESK_E2E_WINDOWS=$PWD/$build/tests/e2e/vesk_e2e_windows
source tests/e2e/desktop.sh

start_desktop $window_manager
start_tray

millis() { date +%s%3N; }

echo "notes  run  ready after (ms)  resident memory (KiB)"
for notes in 0 100 1000; do
    for run in $(seq "$runs"); do
        rm -rf "$DATA"
        prepare_data "$notes" 0 0
        began=$(millis)
        start_program
        "$VESK_E2E_WINDOWS" wait "$notes" 900 || fail "$notes notes and the tray icon did not come up"
        ready=$(millis)
        rss=$(awk '/VmRSS/ {print $2}' "/proc/$PROGRAM_PID/status")
        printf '%5d  %3d  %16d  %21d\n' "$notes" "$run" $((ready - began)) "$rss"
        terminate_program || fail "the program did not end cleanly"
    done
done

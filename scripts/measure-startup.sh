#!/usr/bin/env bash
# Measures vesk notes 4 on a private virtual desktop (Xvfb, openbox, trayer)
# as a user sees it.
#
# Shown notes: from launch until the window manager has taken on every note
# window and shows it (each listed in the root's _NET_CLIENT_LIST and
# viewable), beside a bare Qt program that shows as many frameless tool
# windows of the same size with a mask and an opacity (vesk_bare_windows),
# run by turns on the same desktop; then the ratio of the two and the resident
# memory of both.
# Hidden notes: from launch until one shown note stored after them shows, so
# until they are loaded; the resident memory; and the exit on SIGTERM, the
# last save included.
#
# Usage: scripts/measure-startup.sh [build folder] [runs] [shown notes] [hidden notes]
# Defaults: build 3 1000 10000. Build in Release for figures worth quoting.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-3}
shown=${3:-1000}
hidden=${4:-10000}
export VESKNOTES=$PWD/$build/src/vesknotes
export VESK_E2E_FILES=$PWD/$build/tests/e2e/vesk_e2e_files
export VESK_E2E_WINDOWS=$PWD/$build/tests/e2e/vesk_e2e_windows
bare=$PWD/$build/tests/e2e/vesk_bare_windows
[ -x "$bare" ] || { echo "$bare is not built" >&2; exit 1; }
source tests/e2e/desktop.sh

start_desktop
start_tray

millis() { date +%s%3N; }
resident() { awk '/VmRSS/ {print $2}' "/proc/$1/status"; }
# The window manager takes a while to let go of a thousand windows; the next
# launch waits until it lists no more windows than before the last one, or it
# would be timed with that work.
clients() { "$VESK_E2E_WINDOWS" clients; }
at_most_clients() { [ "$(clients)" -le "$1" ]; }
settle() { wait_for 600 at_most_clients "$1" || fail "the window manager kept the windows"; }

# Prints "milliseconds resident-KiB" for one launch of the command until
# <windows> note windows show; the command is ended afterwards.
time_windows() {
    local windows=$1 before began ready rss pid
    shift
    before=$(clients)
    began=$(millis)
    "$@" >"$E2E_DIR/program.log" 2>&1 &
    pid=$!
    E2E_PIDS+=("$pid")
    "$VESK_E2E_WINDOWS" wait "$windows" 600 || fail "$* did not show $windows windows"
    ready=$(millis)
    rss=$(resident "$pid")
    kill -TERM "$pid"
    wait "$pid" || true
    settle "$before"
    echo "$((ready - began)) $rss"
}

echo "shown notes  run  program (ms)  bare windows (ms)  ratio  program RSS (KiB)  bare RSS (KiB)"
for run in $(seq "$runs"); do
    rm -rf "$DATA"
    prepare_data "$shown" 0 0
    read -r program program_rss < <(time_windows "$shown" "$VESKNOTES")
    read -r baseline baseline_rss < <(time_windows "$shown" "$bare" "$shown")
    printf '%11d  %3d  %12d  %17d  %5s  %17d  %14d\n' "$shown" "$run" "$program" "$baseline" \
        "$(awk -v a="$program" -v b="$baseline" 'BEGIN {printf "%.2f", a / b}')" \
        "$program_rss" "$baseline_rss"
done

echo
echo "hidden notes  run  loaded (ms)  RSS (KiB)  exit (ms)"
for run in $(seq "$runs"); do
    rm -rf "$DATA"
    prepare_data 0 0 0
    "$VESK_E2E_FILES" notes "$DATA/notes.xml" 0 "$hidden" 0 1
    before=$(clients)
    began=$(millis)
    start_program
    "$VESK_E2E_WINDOWS" wait 1 600 || fail "the notes did not load"
    loaded=$(millis)
    rss=$(resident "$PROGRAM_PID")
    stopping=$(millis)
    terminate_program || fail "the program did not end cleanly"
    ended=$(millis)
    settle "$before"
    printf '%12d  %3d  %11d  %9d  %9d\n' "$hidden" "$run" $((loaded - began)) "$rss" \
        $((ended - stopping))
done

# shellcheck shell=bash
# Checks of an installed tree, for a `cmake --install` prefix and for an
# unpacked Debian package alike. Sourced; needs INSTALL_DIR, a temporary
# folder removed by the caller.
set -euo pipefail

APP_ID=io.github.vesknotes.VeskNotes

fail() {
    echo "FAILED: $*" >&2
    if [ -s "$INSTALL_DIR/program.log" ]; then
        echo "--- program output (its end)" >&2
        tail -n 40 "$INSTALL_DIR/program.log" >&2
    fi
    exit 1
}

# Skips (77) when the validators are missing: scripts/install-deps.sh
# installs them.
require_tools() {
    local tool
    for tool in desktop-file-validate appstreamcli groff "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "skipped: $tool is not installed (scripts/install-deps.sh installs it)"
            exit 77
        fi
    done
}

# check_installed_files <prefix>: every file in place, and the desktop
# entry, the metainfo and the manual page pass their validators.
check_installed_files() {
    local prefix=$1 file
    for file in bin/vesknotes \
        share/vesknotes/default/notes.xml share/vesknotes/default/settings.xml \
        share/vesknotes/help/howtouse.html \
        share/vesknotes/sounds/alarm.wav share/vesknotes/sounds/crumple.wav \
        share/vesknotes/sounds/newnote.wav \
        "share/applications/$APP_ID.desktop" "share/metainfo/$APP_ID.metainfo.xml" \
        "share/icons/hicolor/scalable/apps/$APP_ID.svg" share/man/man1/vesknotes.1.gz; do
        [ -f "$prefix/$file" ] || fail "$file is not installed"
    done
    [ -x "$prefix/bin/vesknotes" ] || fail "bin/vesknotes is not executable"

    local entry="$prefix/share/applications/$APP_ID.desktop"
    desktop-file-validate "$entry" || fail "the desktop entry is not valid"
    # The entry starts what is installed and shows the installed icon.
    grep -qx 'Exec=vesknotes' "$entry" || fail "the desktop entry does not start vesknotes"
    grep -qx "Icon=$APP_ID" "$entry" || fail "the desktop entry does not name the icon"
    grep -qx 'Categories=Utility;' "$entry" || fail "the desktop entry is not in Utility"

    local report
    report=$(appstreamcli validate --no-net "$prefix/share/metainfo/$APP_ID.metainfo.xml") ||
        fail "the metainfo file is not valid: $report"
    # The manual page is compressed, without the name and time that would make
    # each build's package differ (gzip's header: flags, then the time).
    local page=$prefix/share/man/man1/vesknotes.1.gz
    gzip -t "$page" 2>/dev/null || fail "the manual page is not compressed with gzip"
    [ "$(od -An -tx1 -j3 -N5 "$page" | tr -d ' ')" = 0000000000 ] ||
        fail "the compressed manual page carries a file name or time"
    local warnings
    warnings=$(gzip -dc "$page" | groff -man -ww -z -K utf8 2>&1)
    [ -z "$warnings" ] || fail "the manual page has faults: $warnings"
}

# Gone, or ended and waiting to be reaped.
process_ended() { ! ps -o stat= -p "$1" | grep -qv Z; }

# wait_for <seconds> <command...>: polls the command until it succeeds.
wait_for() {
    local limit=$1
    shift
    local deadline=$((SECONDS + limit))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

PROGRAM_PID=

stop_program() {
    [ -n "$PROGRAM_PID" ] || return 0
    kill -KILL "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
}

# start_installed_program <prefix>: the installed program, on the offscreen
# platform with its own HOME, finds its installation files from wherever the
# prefix lies and ends cleanly on SIGTERM. The data folder exists with notes
# but no settings, so this is no first start, and the program copies the
# installation's default settings in.
start_installed_program() {
    local prefix=$1 home=$INSTALL_DIR/home
    local data="$home/.local/share/vesk notes 4"
    local defaults=$prefix/share/vesknotes/default
    mkdir -p "$data" "$home/runtime"
    chmod 700 "$home/runtime"
    cp "$defaults/notes.xml" "$data/notes.xml"

    (
        cd /
        unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME SESSION_MANAGER \
            DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY DISPLAY
        export HOME=$home XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=offscreen
        exec "$prefix/bin/vesknotes"
    ) >"$INSTALL_DIR/program.log" 2>&1 &
    PROGRAM_PID=$!

    wait_for 20 cmp -s "$defaults/settings.xml" "$data/settings.xml" ||
        fail "the program did not copy the installation's default settings"
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended by itself"
    kill -TERM "$PROGRAM_PID"
    wait_for 20 process_ended "$PROGRAM_PID" || fail "the program did not end after SIGTERM"
    local status=0
    wait "$PROGRAM_PID" || status=$?
    PROGRAM_PID=
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

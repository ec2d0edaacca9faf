#!/usr/bin/env bash
# A session that ends while the notes cannot be saved (the file outgrows a
# file size limit, as on a full disk): notes.xml stays whole, the reason goes
# to standard error and the program ends with a failure status.
source "$(dirname "$0")/desktop.sh"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

prepare_data 1 40 0
cp "$DATA/notes.xml" "$E2E_DIR/notes.before"
# Left by a write that was killed; start-up removes it.
touch "$DATA/notes.xml.tmp99999-0"
start_program 16
wait_for 20 test ! -e "$DATA/notes.xml.tmp99999-0" || fail "the program did not come up"

status=0
terminate_program || status=$?
[ "$status" -ne 0 ] || fail "the program ended with status 0 without saving the notes"
grep -q "your notes could not be saved: File too large" "$E2E_DIR/program.log" ||
    fail "standard error does not tell why the notes were not saved"
cmp -s "$E2E_DIR/notes.before" "$DATA/notes.xml" || fail "notes.xml was changed"
! ls "$DATA" "$DATA/backup" | grep -q '\.tmp' || fail "a temporary file was left behind"
echo "notes.xml kept whole, the reason told and the failure in the exit status"

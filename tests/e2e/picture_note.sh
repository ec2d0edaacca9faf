#!/usr/bin/env bash
# A picture note of the notes file shows its image on the desktop: the
# note's content area takes the colour of the PNG it points at, and the
# program writes the note back with its path at the end.
source "$(dirname "$0")/desktop.sh"
: "${VESK_SCREENGRAB:?path of vesk_screengrab}"

prepare_data 0 0 0
"$VESK_SCREENGRAB" png "$E2E_DIR/magenta.png" 64 48 ff00ff || fail "could not write the PNG"
# Stretched over its content area, (306, 230) to (694, 494).
"$VESK_E2E_FILES" picture "$DATA/notes.xml" "$E2E_DIR/magenta.png"
cp "$DATA/notes.xml" "$E2E_DIR/notes.before"
start_session 1

magenta_pixels() { "$VESK_SCREENGRAB" colour ff00ff 320 250 360 230; }
# All of that inner rectangle, 360 by 230 pixels.
picture_shown() { [ "$(magenta_pixels)" -eq 82800 ]; }
wait_for 10 picture_shown || fail "$(magenta_pixels) magenta pixels where the picture should be"
outside=$("$VESK_SCREENGRAB" colour ff00ff 0 0 300 800)
[ "$outside" -eq 0 ] || fail "$outside magenta pixels left of the note"
end_program
"$VESK_E2E_FILES" same-notes "$E2E_DIR/notes.before" "$DATA/notes.xml" ||
    fail "the picture note was not written back as it was"
echo "the picture note shows its PNG and keeps its path"

#pragma once

#include <string>

class QWidget;

namespace vesk {

class NoteData;

// Asks where to save the note and writes it there as a single-note file;
// a name without an extension gets ".vesknote". Nothing is written when the
// user cancels.
void SaveNoteAs(QWidget* owner, const NoteData& note);

// A note's text on the clipboard, for other programs to paste.
void CopyTextToClipboard(const std::u16string& text);

}  // namespace vesk

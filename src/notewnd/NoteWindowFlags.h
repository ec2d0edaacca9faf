#pragma once

#include <Qt>

class QWidget;

namespace vesk {

class NoteData;

// A frameless tool window without a task-bar entry, on top of the others
// when the record says so.
Qt::WindowFlags NoteWindowFlags(const NoteData& note);

// Puts the window on top of the others or back among them, keeping its
// place and size; new flags take a window down, so a shown one comes back.
void SetStaysOnTop(QWidget& window, bool onTop);

}  // namespace vesk

#pragma once

#include "dialogs/editoptions/CEditPage.h"

class QLabel;
class QSlider;

namespace vesk {

// The note's alpha (0 to 255) as the per cent the slider shows, and back.
int AlphaToPercent(int alpha);
int PercentToAlpha(int percent);

// How see-through the note is, from 10 to 100 per cent; the note shows each
// position at once, also while it is being edited.
class CTransPage : public CEditPage {
    Q_OBJECT

public:
    static constexpr int kMinPercent = 10;
    static constexpr int kMaxPercent = 100;

    CTransPage(CVeskNoteWnd& note, NoteHost& host);

    QSlider& Slider() { return *slider_; }
    const QLabel& Value() const { return *value_; }

private:
    void Moved(int percent);

    QSlider* slider_;
    QLabel* value_;
};

}  // namespace vesk

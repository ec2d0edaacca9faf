#pragma once

#include <optional>

#include "dialogs/editoptions/CEditPage.h"
#include "settings/FontData.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QString;

namespace vesk {

// What the size box makes of a size chosen or typed: the named sizes, or a
// whole number from 4 to 255; none for anything else, which leaves the size
// as it was (a size of 0 would make the note's font the default font).
std::optional<int> ParseFontSize(const QString& text);
// The size "-" or "+" gives: two points less or more, from 4 to 255.
int StepFontSize(int size, int step);

// The font of a message or checklist note: face, size, bold, italics and
// centred text. A note in the default font takes the default content font
// as its own at its first change here.
class CFontPage : public CEditPage {
    Q_OBJECT

public:
    static constexpr int kMinSize = 4;
    static constexpr int kMaxSize = 255;
    static constexpr int kSizeStep = 2;

    CFontPage(CVeskNoteWnd& note, NoteHost& host);

    QComboBox& Faces() { return *faces_; }
    QComboBox& Size() { return *size_; }
    QPushButton& Smaller() { return *smaller_; }
    QPushButton& Larger() { return *larger_; }
    QPushButton& Bold() { return *bold_; }
    QPushButton& Italics() { return *italics_; }
    QCheckBox& Centred() { return *centred_; }

private:
    // The note's font, or the default content font in its place.
    FontData EditableFont() const;
    void ApplyFont(const FontData& font);
    void FillFaces();
    void ShowFace();
    void ShowSize(int size);
    void FaceChosen(int index);
    void BrowseFonts();
    void SizeEntered(const QString& text);
    void StepSize(int step);
    void StyleToggled();
    void CentredToggled(bool on);

    QComboBox* faces_;
    QComboBox* size_;
    QPushButton* smaller_;
    QPushButton* larger_;
    QPushButton* bold_;
    QPushButton* italics_;
    QCheckBox* centred_;
};

}  // namespace vesk

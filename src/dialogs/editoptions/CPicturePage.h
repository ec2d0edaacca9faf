#pragma once

#include "dialogs/editoptions/CEditPage.h"

class QCheckBox;
class QPushButton;

namespace vesk {

class CPictureNoteWnd;
class PictureNoteData;

// The image file of a picture note and whether it keeps its proportions;
// the note shows each change at once.
class CPicturePage : public CEditPage {
    Q_OBJECT

public:
    CPicturePage(CPictureNoteWnd& note, NoteHost& host);

    QPushButton& Browse() { return *browse_; }
    QCheckBox& KeepRatio() { return *keepRatio_; }

private:
    PictureNoteData& Picture();
    void BrowseForImage();

    QPushButton* browse_;
    QCheckBox* keepRatio_;
};

}  // namespace vesk

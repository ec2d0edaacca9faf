#pragma once

#include <QPlainTextEdit>
#include <string>

#include "settings/FontData.h"
#include "xml/TextForms.h"

class QKeyEvent;
class QMimeData;

namespace vesk {

// The plain-text editor of a note: the title edit in the title bar (one
// line, scrolling sideways) and the text editor of the kinds that hold text
// (many lines, scrolling down). It takes the note's colours and font, and
// keeps its text within a limit whether typed or pasted.
class CNoteEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    enum class Mode { SingleLine, MultiLine };

    CNoteEdit(Mode mode, bool centred, QWidget* parent);

    void SetBackgroundColor(COLORREF colour);
    void SetTextColor(COLORREF colour);
    void SetNoteFont(const FontData& font);
    // Counted as GetText counts: a line break is two characters. Text set
    // by the program is not cut, but no input makes it any longer.
    void SetTextLimit(int characters);
    // Line breaks may come as "\r\n", "\n" or "\r".
    void SetText(const std::u16string& text);
    // Line breaks come back as "\r\n".
    std::u16string GetText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int TextLength() const;
    void NoteChange(int position, int added);
    void EnforceLimit();

    Mode mode_;
    int limit_ = -1;
    bool settingText_ = false;
    // The range that the last edit inserted, cut back when over the limit.
    int changeStart_ = 0;
    int changeAdded_ = 0;
};

}  // namespace vesk

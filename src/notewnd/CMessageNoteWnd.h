#pragma once

#include <QPointer>
#include <memory>
#include <optional>
#include <string>

#include "notes/MessageNoteData.h"
#include "notewnd/CTextNoteWnd.h"
#include "notewnd/QtTextMeasurer.h"
#include "notewnd/TextLayout.h"

namespace vesk {

class CNoteEdit;

// The window of a note of free text. Outside editing it wraps and draws the
// text itself, with links that open on a click; while editing, a text editor
// lies over the content area and Done Editing takes its text.
class CMessageNoteWnd : public CTextNoteWnd {
    Q_OBJECT

public:
    // Without a record the note starts empty.
    CMessageNoteWnd(NoteId id, std::unique_ptr<MessageNoteData> record, NoteHost& host);
    ~CMessageNoteWnd() override;

    void CreateNoteWindow() override;
    bool OnCommand(std::uint32_t command) override;

protected:
    void BeginEdit() override;
    void EndEdit(bool commit) override;
    void PaintNote(QPainter& painter) override;
    // The text goes on from page to page in whole lines.
    bool PrintPage(QPainter& painter, int page) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MessageNoteData& Message() { return static_cast<MessageNoteData&>(GetNoteData()); }
    const MessageNoteData& Message() const {
        return static_cast<const MessageNoteData&>(GetNoteData());
    }
    bool IsCentred() const { return Message().GetAlignment() == NoteData::kAlignCenter; }

    void RebuildLayout();
    void PaintText(QPainter& painter);
    // True when lines are left for another page.
    bool PrintText(QPainter& painter, int page);
    // The editor over the content area, replacing any open one.
    void OpenTextEdit(const std::u16string& text);
    std::u16string CopiedText() const override;
    void ClearContents() override;
    void RestyleEditor() override;
    void RefontEditor() override;

    TextLayout layout_;
    // The font the layout was measured in; text is measured again when the
    // effective font no longer matches it.
    FontData layoutFont_;
    std::optional<QtTextMeasurer> measurer_;
    QPointer<CNoteEdit> textEdit_;
    // Lines of text that went onto the pages printed so far.
    int printedLines_ = 0;
};

}  // namespace vesk

#pragma once

#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <memory>

#include "notebook/PreviewNoteHost.h"
#include "notewnd/QtNoteWindowFactory.h"

namespace vesk {

class CVeskNoteWnd;
class NoteData;

// The Notebook's right pane: the selected note drawn by a window of its own
// kind, below a band with two buttons that act on the selected row. With no
// note selected it shows a grey placeholder note and the buttons are off.
class CNotePreviewView : public QWidget {
    Q_OBJECT

public:
    // Where the note shown comes from; the buttons read accordingly.
    enum Mode { kDesktop = 0, kArchive = 1, kWastebasket = 2 };

    explicit CNotePreviewView(NoteHost& host, QWidget* parent = nullptr);
    ~CNotePreviewView() override;

    // A copy of the note, or the placeholder for none. A note of a kind
    // without a window leaves the pane empty, its buttons on.
    void ShowNote(const NoteData* note, Mode mode);
    // A note is shown, not the placeholder.
    bool IsShowingNote() const { return window_ != nullptr && showingNote_; }
    const CVeskNoteWnd* ShownWindow() const { return window_.get(); }
    const QPushButton& Button(int action) const { return *buttons_[action]; }

signals:
    // Button 0 (Crumple or Delete) or 1 (Archive or Restore).
    void ActionPressed(int action);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect NoteRect() const;
    QRect BarRect() const;

    PreviewNoteHost host_;
    QtNoteWindowFactory factory_;
    QScrollBar bar_;
    QPushButton* buttons_[2];
    std::unique_ptr<CVeskNoteWnd> window_;
    bool showingNote_ = false;
};

}  // namespace vesk

#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>

class QTabWidget;

namespace vesk {

class CEditPage;
class CVeskNoteWnd;
class NoteHost;

// Where the edit options go, all in screen coordinates: 5 pixels right of
// the note, or else left of it, below it or above it, wherever the screen's
// free area holds them whole; when no side does, at the screen's right edge
// level with the note. Never past the free area's top or bottom.
QPoint EditSheetPlace(const QRect& note, const QSize& sheet, const QRect& screen);

// The edit options of a note being edited: a small tool window of tabs
// beside the note, without a task-bar entry, that changes the note live.
// Its OK and Cancel end the editing (Done Editing, Cancel Editing); the note
// then takes the sheet away. The kinds' sheets add their own pages first.
class CEditPropertySheet : public QDialog {
    Q_OBJECT

public:
    // Beside the note window, which may have moved or changed size.
    void PlaceBeside(const QWidget& note);
    QTabWidget& Tabs() { return *tabs_; }

    // Done Editing and Cancel Editing; the sheet stays until the note
    // takes it away.
    void accept() override;
    void reject() override;

protected:
    CEditPropertySheet(CVeskNoteWnd& note, NoteHost& host);

    void AddPage(CEditPage* page);
    // Colour, Transparency and Alarm, after the kind's pages.
    void AddCommonPages();

private:
    // One page on or back, round from the last to the first.
    void TurnPage(int step);
    // A page turned to from the keyboard takes it on its first control.
    void FocusPage();

    CVeskNoteWnd& note_;
    NoteHost& host_;
    QTabWidget* tabs_;
};

}  // namespace vesk

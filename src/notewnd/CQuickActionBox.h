#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

class QScrollBar;

namespace vesk {

class QuickActionButton;
class SettingsData;
struct StyleData;

// What the quick action box needs of the note that it belongs to.
class QuickActionOwner {
public:
    // A button was clicked: its command, handled as if chosen from the
    // note's menu.
    virtual void OnQuickActionCommand(std::uint32_t command) = 0;
    // The box's scroll bar was used (a QAbstractSlider::SliderAction): the
    // note scrolls its content.
    virtual void OnQuickActionScroll(int action) = 0;
    // Off makes the note opaque whatever its record says, while its box is
    // in use.
    virtual void SetAlphaActive(bool active) = 0;
    // The note is on the desktop (neither hidden nor in the wastebasket).
    virtual bool IsNoteShown() const = 0;
    // The box is painted in the note's colours so that it looks like a tab
    // of it.
    virtual const StyleData& GetNoteStyle() const = 0;
    virtual const SettingsData& GetNoteSettings() const = 0;

protected:
    ~QuickActionOwner() = default;
};

// The strip beside an active note: a column of picture buttons that send
// note commands and, below them, the scroll bar of the note's content.
//
// The box never takes the keyboard focus, so using it leaves its note the
// active window; pressing it stands for activating it. It vanishes by being
// hidden rather than made transparent: without a compositing window manager
// an X11 window cannot be made see-through, and hiding keeps its place.
class CQuickActionBox : public QWidget {
    Q_OBJECT

public:
    // A tool window of the note's: it has no task-bar entry and goes with
    // the note. It starts hidden.
    CQuickActionBox(QuickActionOwner& owner, QWidget& ownerWindow);

    // Appends a button below the others; it shows when the settings show
    // the buttons, and the scroll bar then moves below it.
    void AddButton(std::uint32_t command, const QString& caption, int normalImage,
                   int pressedImage);
    // The others keep their places, so the next button added takes the slot
    // that the count gives. False when no button sends the command.
    bool RemoveButton(std::uint32_t command);
    // All buttons, with the scroll bar below them or at the top.
    void ShowButtons(bool show);
    void ShowScrollBar(bool show);
    bool IsScrollBarShown() const;
    QScrollBar& GetScrollBar() { return *scrollBar_; }

    // In use or not: the box is seen only while it is shown here and its
    // window is shown too (SetWindowShown).
    void ShowBox(bool show);
    bool IsBoxShown() const { return boxShown_; }
    // Whether the window has a place beside its note; a note takes it away
    // while the box has nothing to show.
    void SetWindowShown(bool show);

    // The size that the buttons and the scroll bar need, at (0, 0); empty
    // when there is nothing to show.
    QRect GetDesiredRect() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool ButtonsOn() const;
    bool ShadowOn() const;
    void PlaceScrollBar(bool belowButtons);
    void Activate(bool activated);
    void UpdateVisibility();

    QuickActionOwner& owner_;
    QWidget& ownerWindow_;
    std::vector<QuickActionButton*> buttons_;
    QScrollBar* scrollBar_;
    bool boxShown_ = false;
    bool windowShown_ = false;
    // The box was pressed and made its note opaque; the note stays so until
    // the user turns to something else.
    bool inUse_ = false;
};

}  // namespace vesk

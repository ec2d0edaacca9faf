#pragma once

#include <QPointer>
#include <QScrollBar>
#include <functional>

namespace vesk {

// The vertical scrolling of a note's content: the position, the height the
// kind laid out, and the scroll bar beside the note that mirrors them.
class NoteScrolling {
public:
    // Told when scrolling starts (true) or stops (false), to show or hide
    // the scroll bar, and after every change of position, to repaint.
    using BarShown = std::function<void(bool)>;
    using Scrolled = std::function<void()>;

    NoteScrolling(BarShown barShown, Scrolled scrolled);

    // The bar that shows the position; none leaves scrolling to the keys
    // and the wheel.
    void SetScrollBar(QScrollBar* bar);
    QScrollBar* ScrollBar() const { return bar_; }

    int Position() const { return position_; }
    int ContentHeight() const { return contentHeight_; }
    void SetContentHeight(int height) { contentHeight_ = height; }

    // Content taller than the visible height turns scrolling on and sets
    // the bar's range, page and position; otherwise scrolling turns off.
    void Update(int visibleHeight, int lineHeight);
    // Lines up (negative) or down, clamped to the content.
    void ScrollLines(int lines);
    // What the user did to the bar (a QAbstractSlider::SliderAction): a
    // line, a page, or the thumb dragged.
    void Act(int action);
    // The note grew or shrank to newHeight: a note scrolled past the end of
    // its content follows the growth, and scrolling ends once everything
    // fits in contentHeight at the top.
    void Resized(int oldHeight, int newHeight, int titleBarHeight, int contentAreaHeight);

private:
    void TurnOff();
    void ScrollTo(int position);
    void SyncBar();

    BarShown barShown_;
    Scrolled scrolled_;
    QPointer<QScrollBar> bar_;
    int position_ = 0;
    int contentHeight_ = 0;
    bool scrolling_ = false;
    int page_ = 0;
    int lineHeight_ = 1;
};

}  // namespace vesk

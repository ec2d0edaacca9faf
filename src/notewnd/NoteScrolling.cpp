#include "notewnd/NoteScrolling.h"

#include <algorithm>
#include <utility>

namespace vesk {

namespace {
// The visible height leaves this much below the content.
constexpr int kMargin = 20;
}  // namespace

NoteScrolling::NoteScrolling(BarShown barShown, Scrolled scrolled)
    : barShown_(std::move(barShown)), scrolled_(std::move(scrolled)) {}

void NoteScrolling::SetScrollBar(QScrollBar* bar) {
    bar_ = bar;
    SyncBar();
}

void NoteScrolling::Update(int visibleHeight, int lineHeight) {
    lineHeight_ = std::max(1, lineHeight);
    page_ = std::max(1, visibleHeight);
    if (contentHeight_ > visibleHeight) {
        const bool started = !scrolling_;
        scrolling_ = true;
        // Content that shrank under the position (a smaller font, lines
        // deleted) would otherwise stay scrolled out of view.
        const int last = contentHeight_ - page_;
        if (position_ > last) {
            position_ = last;
            scrolled_();
        }
        SyncBar();
        if (started) {
            barShown_(true);
        }
    } else if (scrolling_) {
        TurnOff();
    }
}

void NoteScrolling::TurnOff() {
    scrolling_ = false;
    barShown_(false);
    // Content that fits shows from its top; left scrolled, its first lines
    // could not be reached any more.
    if (position_ != 0) {
        position_ = 0;
        SyncBar();
        scrolled_();
    }
}

void NoteScrolling::ScrollLines(int lines) {
    if (scrolling_) {
        ScrollTo(position_ + lines * lineHeight_);
    }
}

void NoteScrolling::Act(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            ScrollTo(position_ - lineHeight_);
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            ScrollTo(position_ + lineHeight_);
            break;
        case QAbstractSlider::SliderPageStepSub:
            ScrollTo(position_ - page_);
            break;
        case QAbstractSlider::SliderPageStepAdd:
            ScrollTo(position_ + page_);
            break;
        case QAbstractSlider::SliderToMinimum:
            ScrollTo(0);
            break;
        case QAbstractSlider::SliderToMaximum:
            ScrollTo(contentHeight_);
            break;
        case QAbstractSlider::SliderMove:
            if (bar_) {
                ScrollTo(bar_->sliderPosition());
            }
            break;
        default:
            break;
    }
}

void NoteScrolling::Resized(int oldHeight, int newHeight, int titleBarHeight,
                            int contentAreaHeight) {
    if (!scrolling_) {
        return;
    }
    if (position_ > 0 && position_ - titleBarHeight + newHeight - kMargin > contentHeight_) {
        position_ = std::max(0, position_ - (newHeight - oldHeight));
    }
    if (contentHeight_ > contentAreaHeight || position_ != 0) {
        SyncBar();
    } else {
        TurnOff();
    }
}

void NoteScrolling::ScrollTo(int position) {
    position = std::clamp(position, 0, std::max(0, contentHeight_ - page_));
    if (position == position_) {
        return;
    }
    position_ = position;
    SyncBar();
    scrolled_();
}

void NoteScrolling::SyncBar() {
    if (!bar_) {
        return;
    }
    bar_->setRange(0, std::max(0, contentHeight_ - page_));
    bar_->setPageStep(page_);
    bar_->setSingleStep(lineHeight_);
    bar_->setValue(position_);
}

}  // namespace vesk

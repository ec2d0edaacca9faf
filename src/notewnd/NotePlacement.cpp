#include "notewnd/NotePlacement.h"

#include <QWidget>
#include <utility>

#include "notes/NoteData.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/NoteHost.h"
#include "notewnd/NoteQuickActions.h"
#include "notewnd/NoteWindowFlags.h"

namespace vesk {

namespace {

// A note minimized by the window manager (with its edit options, say) would
// otherwise stay out of reach: a desktop of notes has no task bar.
void ShowUnminimized(QWidget& window) {
    window.show();
    if (window.isMinimized()) {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    }
}

}  // namespace

void NotePlacement::TakeRecordedPlace(int titleBarHeight, bool shadow) {
    const Rect placed = PlaceOnScreens(note_.GetRect());
    if (placed != note_.GetRect()) {
        note_.SetRect(placed);
        host_.MarkChanged();
    }
    const QRect unshaded = ToQRect(note_.GetRect());
    // The shaded size is taken before the window first shows, so it never
    // flashes open; the record keeps the unshaded place either way.
    window_.setGeometry(note_.IsShaded() ? ShadedRect(unshaded, titleBarHeight, shadow) : unshaded);
    if (note_.IsShaded()) {
        quickActions_.SetShaded(true, false);
    }
}

void NotePlacement::ComeUp() {
    if (note_.GetState() != NoteData::kStateShown) {
        return;
    }
    window_.show();
    // It came up in front of the others. Until the event loop turns and
    // another window may come above it, bringing it forward (as a load does
    // next) needs no raise of its own.
    cameUpInFront_ = true;
    QMetaObject::invokeMethod(
        &window_, [this] { cameUpInFront_ = false; }, Qt::QueuedConnection);
}

void NotePlacement::BringToAttention() {
    // A window that comes up now, or has just come up, stands in front
    // already; raising it again would cost the window manager a restack for
    // every note of a load. Notes that stay on top are there anyway; the
    // others come to the front without staying there. Activating each one as
    // well would make the window manager work through every note in turn.
    const bool inFront = !window_.isVisible() || std::exchange(cameUpInFront_, false);
    SetVisible(true);
    if (!inFront) {
        window_.raise();
    }
}

void NotePlacement::Shade(int titleBarHeight, bool shadow) {
    note_.SetShaded(true);
    host_.MarkChanged();
    window_.setGeometry(ShadedRect(window_.geometry(), titleBarHeight, shadow));
    quickActions_.SetShaded(true, false);
    window_.update();
}

void NotePlacement::Unshade() {
    note_.SetShaded(false);
    window_.setGeometry(ToQRect(note_.GetRect()));
    window_.update();
    host_.MarkChanged();
}

void NotePlacement::SetVisible(bool show) {
    if (!show) {
        note_.SetState(NoteData::kStateHidden);
        quickActions_.Hide();
        window_.hide();
        return;
    }
    const std::int32_t previous = note_.GetState();
    note_.SetState(NoteData::kStateShown);
    if (previous == NoteData::kStateWastebasket) {
        host_.NoteMoved(id_, NotePlace::kWastebasket, NotePlace::kShown);
    }
    ShowUnminimized(window_);
}

void NotePlacement::Hide() {
    note_.SetState(NoteData::kStateHidden);
    quickActions_.Hide();
    window_.hide();
    host_.NoteMoved(id_, NotePlace::kShown, NotePlace::kHidden);
    host_.MarkChanged();
}

void NotePlacement::Show() {
    const std::int32_t previous = note_.GetState();
    note_.SetState(NoteData::kStateShown);
    ShowUnminimized(window_);
    host_.NoteMoved(id_, previous, NotePlace::kShown);
    host_.MarkChanged();
}

void NotePlacement::MoveToWastebasket() {
    quickActions_.Hide();
    window_.hide();
    note_.SetState(NoteData::kStateWastebasket);
    host_.NoteMoved(id_, NotePlace::kShown, NotePlace::kWastebasket);
    host_.MarkChanged();
}

void NotePlacement::ToggleStayOnTop() {
    note_.SetStayOnTop(note_.GetStayOnTop() == 1 ? 0 : 1);
    SetStaysOnTop(window_, note_.GetStayOnTop() == 1);
    host_.MarkChanged();
}

void NotePlacement::ToggleTitleBar() {
    note_.SetShowTitle(!note_.GetShowTitle());
    // Written into the record, so it must reach the file.
    host_.MarkChanged();
    window_.update();
}

void NotePlacement::RecordMove() {
    const Rect old = note_.GetRect();
    const int x = window_.x();
    const int y = window_.y();
    Record({x, y, WrapToInt32(std::int64_t{x} + old.Width()),
            WrapToInt32(std::int64_t{y} + old.Height())});
}

void NotePlacement::RecordResize() {
    const Rect old = note_.GetRect();
    Record({old.left, old.top, WrapToInt32(std::int64_t{old.left} + window_.width()),
            WrapToInt32(std::int64_t{old.top} + window_.height())});
}

void NotePlacement::Record(const Rect& rect) {
    if (rect != note_.GetRect()) {
        note_.SetRect(rect);
        host_.MarkChanged();
    }
}

}  // namespace vesk

#include "notewnd/NoteInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cstdint>

#include "notes/NoteCommands.h"
#include "notewnd/CVeskNoteWnd.h"
#include "notewnd/NoteDoubleClick.h"
#include "notewnd/NoteHost.h"
#include "notewnd/NoteLinks.h"
#include "settings/SettingsData.h"

namespace vesk {

namespace {

constexpr int kWheelNotch = 120;

}  // namespace

void NoteInput::Press(const QMouseEvent& event) {
    if (event.button() == Qt::RightButton && !window_.IsPreview()) {
        // The menu runs once this event is done: a command chosen from it
        // may destroy the window.
        CVeskNoteWnd* window = &window_;
        QMetaObject::invokeMethod(
            window, [window] { window->SendCommand(NoteCommand::kContextMenu); },
            Qt::QueuedConnection);
        return;
    }
    if (event.button() != Qt::LeftButton) {
        return;
    }
    window_.raise();
    if (window_.ringing_.IsShaking()) {
        window_.StopAlarmRinging();
    }
    if (window_.dragging_.IsSizing()) {
        return;
    }
    const bool shaded = window_.note_->IsShaded();
    if (!shaded) {
        OpenLinksAt(window_.links_, event.position().toPoint(), window_.host_);
    }
    if (!window_.IsPreview()) {
        window_.dragging_.Begin(event, shaded);
    }
}

void NoteInput::Move(const QMouseEvent& event) {
    if (window_.IsPreview()) {
        return;
    }
    const bool shaded = window_.note_->IsShaded();
    window_.dragging_.Follow(event, shaded, CVeskNoteWnd::GetTitleBarHeight());
    if (event.buttons() == Qt::NoButton && !shaded &&
        IsOverLink(window_.links_, event.position().toPoint())) {
        window_.setCursor(Qt::PointingHandCursor);
    }
}

void NoteInput::Release(const QMouseEvent& event) {
    if (event.button() == Qt::LeftButton) {
        window_.dragging_.End();
    }
}

void NoteInput::DoubleClick(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton || window_.IsPreview()) {
        return;
    }
    const NoteData& note = *window_.note_;
    const DoubleClickState state{.editing = window_.IsEditing(),
                                 .showQAButtons = window_.host_.GetSettings().GetShowQAButtons(),
                                 .titleShown = note.GetShowTitle(),
                                 .hasAlarm = note.GetAlarm() != nullptr,
                                 .shaded = note.IsShaded(),
                                 .titleBarHeight = CVeskNoteWnd::GetTitleBarHeight()};
    for (const std::uint32_t command : DoubleClickCommands(event.position().toPoint(), state)) {
        window_.SendCommand(command);
    }
}

void NoteInput::Wheel(const QWheelEvent& event) {
    window_.scrolling_.ScrollLines(-event.angleDelta().y() * QApplication::wheelScrollLines() /
                                   kWheelNotch);
}

bool NoteInput::Key(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Up:
            window_.scrolling_.ScrollLines(-1);
            return true;
        case Qt::Key_Down:
            window_.scrolling_.ScrollLines(1);
            return true;
        default:
            return false;
    }
}

}  // namespace vesk

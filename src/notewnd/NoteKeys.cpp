#include "notewnd/NoteKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "notes/NoteCommands.h"
#include "notewnd/CVeskNoteWnd.h"

namespace vesk {

namespace {

// Sees every key press of the program before the widget that has the
// keyboard, as a window's accelerators do.
class NoteAcceleratorFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        auto* note = qobject_cast<CVeskNoteWnd*>(widget->window());
        if (note == nullptr || widget->property(kTakesAllKeysProperty).toBool()) {
            return false;
        }
        const auto command = NoteAcceleratorCommand(*static_cast<QKeyEvent*>(event));
        if (!command) {
            return false;
        }
        note->SendCommand(*command);
        return true;
    }
};

}  // namespace

std::optional<std::uint32_t> NoteAcceleratorCommand(const QKeyEvent& event) {
    // The keypad's Enter counts as Enter.
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier) {
        return std::nullopt;
    }
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return NoteCommand::kDoneEditing;
        case Qt::Key_T:
            return NoteCommand::kCrumple;
        case Qt::Key_E:
            return NoteCommand::kEdit;
        case Qt::Key_H:
            return NoteCommand::kHide;
        case Qt::Key_S:
            return NoteCommand::kShade;
        default:
            return std::nullopt;
    }
}

void InstallNoteAccelerators() {
    // Made with the application's first note and gone with the application.
    static QPointer<NoteAcceleratorFilter> filter;
    if (filter.isNull()) {
        filter = new NoteAcceleratorFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

}  // namespace vesk

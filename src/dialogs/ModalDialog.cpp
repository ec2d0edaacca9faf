#include "dialogs/ModalDialog.h"

#include <QApplication>
#include <QEvent>

#include "app/KindIcons.h"

namespace vesk {
namespace {

// While a dialog runs, a note that comes forward (clicked, or brought to the
// front) does not cover it: the dialog, and the innermost one when dialogs
// are nested, go back above it. Notes are the program's tool windows.
class KeepAboveNotes final : public QObject {
public:
    explicit KeepAboveNotes(QDialog& dialog) : dialog_(&dialog) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ZOrderChange && dialog_ && IsNote(*watched)) {
            dialog_->raise();
            if (QWidget* innermost = QApplication::activeModalWidget()) innermost->raise();
        }
        return false;
    }

private:
    static bool IsNote(const QObject& object) {
        return object.isWidgetType() &&
               static_cast<const QWidget&>(object).windowType() == Qt::Tool;
    }

    QPointer<QDialog> dialog_;
};

}  // namespace

int RunModal(QDialog& dialog) {
    // The program's windows carry no icon of their own but its dialogs,
    // which stand for it in the window list: an icon for every note would be
    // a large property on each for the X server to hold and the window
    // manager to read.
    dialog.setWindowIcon(AppIcon());
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    const KeepAboveNotes keepAbove(dialog);
    return dialog.exec();
}

}  // namespace vesk

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

#include "UiTestRegistry.h"
#include "dialogs/UserPrompts.h"

namespace vesk::test {
namespace {

// Counts the presses that reach it, as a note or the tray would take them.
class PressCounter : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

class UserPromptsTest : public QObject {
    Q_OBJECT

private slots:
    void windowsFiltersBecomeQtFilters() {
        QCOMPARE(QtFileFilter(QStringLiteral("Vesk Notes (*.vesknote)|*.vesknote|All Files "
                                             "(*.*)|*.*||")),
                 QStringLiteral("Vesk Notes (*.vesknote);;All Files (*)"));
        QCOMPARE(QtFileFilter(QStringLiteral("Pictures|*.png;*.jpg||")),
                 QStringLiteral("Pictures (*.png *.jpg)"));
        QCOMPARE(QtFileFilter(QString()), QString());
    }

    // While a dialog or a message waits for its answer, the program's other
    // windows still take clicks.
    void realPromptsHoldUpOnlyTheirOwner() {
        PressCounter note;
        note.show();
        QVERIFY(QTest::qWaitForWindowExposed(&note));
        const auto clickWhileShown = [&note](const std::function<void()>& prompt) {
            QTimer::singleShot(0, [&note] {
                QTest::mouseClick(note.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
                static_cast<QDialog*>(QApplication::activeModalWidget())->reject();
            });
            prompt();
        };
        QDialog dialog;
        clickWhileShown([&dialog] { UserPrompts::Current().RunDialog(dialog); });
        clickWhileShown([] {
            UserPrompts::Current().ShowMessage(nullptr, "Sure?", "Last Chance",
                                               UserPrompts::Buttons::Ok, UserPrompts::Icon::None);
        });
        QCOMPARE(note.presses, 2);

        // A dialog goes with the window it belongs to, and counts as cancelled.
        auto* owner = new QWidget;
        owner->show();
        QTimer::singleShot(0, [owner] { delete owner; });
        QCOMPARE(UserPrompts::Current().GetSaveFileName(owner, "Save As", QString(), "All|*||"),
                 QString());
    }
};

const RegisterUiTest<UserPromptsTest> registered;

}  // namespace
}  // namespace vesk::test

#include "UserPromptsTest.moc"

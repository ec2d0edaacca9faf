#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "UiTestRegistry.h"
#include "dialogs/AboutDialog.h"

namespace vesk::test {
namespace {

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void namesTheProgramAndItsVersionAndOkCloses() {
        CAboutDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About vesk notes 4"));
        QVERIFY(QRegularExpression(QStringLiteral("^4\\.\\d+\\.\\d+$"))
                    .match(ProgramVersion())
                    .hasMatch());
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("version"))->text(),
                 QStringLiteral("Version ") + ProgramVersion());
        QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("icon"))->pixmap().isNull());
        dialog.show();
        const auto buttons = dialog.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        buttons.front()->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

const RegisterUiTest<AboutDialogTest> registered;

}  // namespace
}  // namespace vesk::test

#include "AboutDialogTest.moc"

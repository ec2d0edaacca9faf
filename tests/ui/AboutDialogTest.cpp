#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "UiTestRegistry.h"
#include "dialogs/AboutDialog.h"

namespace vesk::test {
namespace {

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheVersionAndIconAndOkCloses() {
        // Its title is the end-to-end dialog scenario's.
        CAboutDialog dialog;
        QVERIFY(ProgramVersion().startsWith("4.") && ProgramVersion().count('.') == 2);
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("version"))->text(),
                 QStringLiteral("Version ") + ProgramVersion());
        QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("icon"))->pixmap().isNull());
        dialog.show();
        dialog.findChild<QPushButton*>()->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

const RegisterUiTest<AboutDialogTest> registered;

}  // namespace
}  // namespace vesk::test

#include "AboutDialogTest.moc"

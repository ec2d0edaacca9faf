#include <QDialogButtonBox>
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
    void namesTheProgramAndItsVersion() {
        CAboutDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About vesk notes 4"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("name"))->text(),
                 QStringLiteral("vesk notes 4"));
        QVERIFY(QRegularExpression(QStringLiteral("^4\\.\\d+\\.\\d+$"))
                    .match(ProgramVersion())
                    .hasMatch());
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("version"))->text(),
                 QStringLiteral("Version ") + ProgramVersion());
        QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("description"))->text().isEmpty());
        QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("icon"))->pixmap().isNull());
        // Nothing to follow: the box offers no links.
        for (const auto* label : dialog.findChildren<QLabel*>()) {
            QVERIFY(!label->text().contains(QStringLiteral("href")));
        }
    }

    void okCloses() {
        CAboutDialog dialog;
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

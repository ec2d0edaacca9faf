#include <QTest>

#include "ScriptedPrompts.h"
#include "UiTestRegistry.h"

namespace vesk::test {
namespace {

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

    void installedPromptsAnswerAndRecord() {
        {
            ScriptedPrompts prompts;
            prompts.answers.push_back(UserPrompts::Answer::Yes);
            QCOMPARE(&UserPrompts::Current(), static_cast<UserPrompts*>(&prompts));
            QCOMPARE(UserPrompts::Current().ShowMessage(
                         nullptr, QStringLiteral("Sure?"), QStringLiteral("Last Chance"),
                         UserPrompts::Buttons::YesNo, UserPrompts::Icon::Question),
                     UserPrompts::Answer::Yes);
            QCOMPARE(UserPrompts::Current().ShowMessage(
                         nullptr, QStringLiteral("Again?"), QStringLiteral("Last Chance"),
                         UserPrompts::Buttons::YesNo, UserPrompts::Icon::Question),
                     UserPrompts::Answer::No);
            QCOMPARE(prompts.messages.size(), 2);
            QCOMPARE(prompts.messages[0].caption, QStringLiteral("Last Chance"));
            QDialog dialog;
            QCOMPARE(UserPrompts::Current().RunDialog(dialog), int(QDialog::Rejected));
        }
        QVERIFY(dynamic_cast<ScriptedPrompts*>(&UserPrompts::Current()) == nullptr);
    }
};

const RegisterUiTest<UserPromptsTest> registered;

}  // namespace
}  // namespace vesk::test

#include "UserPromptsTest.moc"

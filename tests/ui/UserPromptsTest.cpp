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

    // A scripted stand-in answers in place of the person while it lives, and
    // its questions run out as No.
    void installedPromptsAnswerAndRecord() {
        {
            ScriptedPrompts prompts;
            prompts.answers.push_back(UserPrompts::Answer::Yes);
            for (const auto answer : {UserPrompts::Answer::Yes, UserPrompts::Answer::No}) {
                QCOMPARE(UserPrompts::Current().ShowMessage(nullptr, "Sure?", "Last Chance",
                                                            UserPrompts::Buttons::YesNo,
                                                            UserPrompts::Icon::Question),
                         answer);
            }
            QCOMPARE(prompts.messages.size(), 2);
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

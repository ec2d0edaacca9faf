#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "MainFrameFixture.h"
#include "PreviousVersionText.h"
#include "UiTestRegistry.h"
#include "app/PathText.h"
#include "dialogs/FirstTimeSheet.h"
#include "dialogs/ImportHelper.h"

namespace vesk::test {
namespace {

using Fixture = MainFrameFixture;

template <typename Widget>
Widget* Find(QObject& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("no widget %s", name);
    return widget;
}

// The previous version's folder beside the fixture's data folder.
QString PreviousFolder(const Fixture& fixture) { return fixture.DataFolder() + "../v3/"; }

void WritePrevious(const Fixture& fixture, const std::string& notes) {
    const QString folder = PreviousFolder(fixture);
    QDir().mkpath(folder + "archive");
    Fixture::WriteBytes(folder + "notes.dat", QByteArray::fromStdString(notes));
    Fixture::WriteBytes(folder + "settings.dat", QByteArray::fromStdString(kPreviousSettings));
    Fixture::WriteBytes(folder + "archive/Plans.vesknote",
                        QByteArray::fromStdString(PreviousNoteFile({.title = "Plans"})));
}

// Settings for the installation's default file, with both hot keys in use.
void WriteDefaultSettings(const Fixture& fixture) {
    SettingsData settings;
    settings.SetTray(TrayAction::ToggleShow);
    settings.GetShowNotesHotKey() = {83, 32, true, u"shownotes"};
    settings.GetNewNoteHotKey() = {78, 32, true, u"newnote"};
    settings.Save(ToPath(fixture.DefaultFolder() + "settings.xml"));
}

// A first start whose Import Helper, or wizard, is answered by act.
CMainFrame& FirstStart(Fixture& fixture, std::function<int(QDialog&)> act) {
    QDir(fixture.DataFolder()).removeRecursively();
    Fixture::WriteNotes(fixture.DefaultFolder() + "notes.xml", Fixture::ShownNotes(1));
    WriteDefaultSettings(fixture);
    fixture.Prompts().dialogs.push_back(std::move(act));
    return fixture.Start();
}

QStringList Titles(CMainFrame& frame) {
    QStringList titles;
    for (const auto& [id, note] : frame.GetCollection().GetNotes()) {
        titles << QString::fromStdU16String(note->GetNoteData().GetTitle());
    }
    return titles;
}

int Import(QDialog& dialog) {
    Find<QPushButton>(dialog, "import")->click();
    return dialog.result();
}

class FirstStartTest : public QObject {
    Q_OBJECT

private slots:
    void importHelperStartsFromWhatItFound() {
        const QString replace = "Make vesk notes 4 start when I log in, not vesk notes 3";
        const QString have = "Have vesk notes 4 start when I log in";
        for (int found = 0; found < 8; ++found) {
            const bool notes = found & 1, settings = found & 2, previousEntry = found & 4;
            AutostartEntries entries;
            if (previousEntry) entries.programs["vesk notes 3"] = "/old/vesknotes";
            RecordingAutostart autostart(entries);
            CImportHelper helper({notes, settings}, autostart, "/nowhere", "/nowhere");
            QCOMPARE(helper.windowTitle(), QStringLiteral("Import Helper"));
            for (const auto& [name, wanted] : {std::pair{"notes", notes}, {"settings", settings}}) {
                QCOMPARE(Find<QCheckBox>(helper, name)->isChecked(), wanted);
                QCOMPARE(Find<QCheckBox>(helper, name)->isEnabled(), wanted);
            }
            const auto* logIn = Find<QCheckBox>(helper, "logIn");
            QVERIFY(Find<QCheckBox>(helper, "archive")->isChecked());
            QCOMPARE(logIn->text(), previousEntry ? replace : have);
            QCOMPARE(logIn->isChecked(), previousEntry);
            QCOMPARE(Find<QLabel>(helper, "status")->text(),
                     QStringLiteral("Import Status:  Import hasn't begun"));
            QVERIFY(Find<QPushButton>(helper, "import")->isDefault());
        }
    }

    void importTellsEachStepAndFailureAndReplacesTheLogInEntry() {
        Fixture fixture;
        WritePrevious(fixture, PreviousNotesFile({{}}));
        // A notes file of the newer version is never written over.
        Fixture::WriteBytes(fixture.DataFolder() + "notes.dat", "newer");
        AutostartEntries entries;
        entries.programs["vesk notes 3"] = "/old/vesknotes";
        RecordingAutostart autostart(entries);
        CImportHelper helper({true, true}, autostart, ToPath(PreviousFolder(fixture)),
                             ToPath(fixture.DataFolder()));
        QSignalSpy statuses(&helper, &CImportHelper::StatusChanged);
        QCOMPARE(Import(helper), int(QDialog::Accepted));

        QStringList told;
        for (const auto& status : statuses) told << status.first().toString().mid(16);
        QCOMPARE(told,
                 (QStringList{"Importing Notes...", "The notes could not be copied (File exists)",
                              "Importing Settings...", "Importing Archive...",
                              "Creating Start-Up Link...", "Importing finished, with failures"}));
        QCOMPARE(Fixture::Bytes(fixture.DataFolder() + "notes.dat"), "newer");
        QVERIFY(!helper.Copies().notes);
        QVERIFY(helper.Copies().settings);
        QCOMPARE(helper.Copies().archived, 1);
        QCOMPARE(entries.programs.keys(), QStringList{"vesk notes 4"});

        // An entry of ours that cannot be written leaves the old one standing.
        entries.programs = {{"vesk notes 3", "/old/vesknotes"}};
        entries.failCreate = true;
        CImportHelper again({}, autostart, "/nowhere", "/nowhere");
        Find<QCheckBox>(again, "archive")->setChecked(false);
        Import(again);
        QVERIFY(again.Copies().logInEntryFailed);
        QCOMPARE(entries.programs.keys(), QStringList{"vesk notes 3"});
    }

    void importBringsTheOldNotesSettingsAndArchiveOverAndKeepsNotesMadeMeanwhile() {
        Fixture fixture;
        WritePrevious(fixture, PreviousNotesFile({{.title = "Old 1"}, {.title = "Old 2"}}));
        CMainFrame& frame = FirstStart(fixture, [&fixture](QDialog& dialog) {
            // Made from the tray while the helper waits.
            fixture.Frame().CreateNewNote(NoteData::kMessage);
            return Import(dialog);
        });
        QCOMPARE(Titles(frame).mid(1), (QStringList{"Old 1", "Old 2"}));
        QCOMPARE(frame.GetSettings().GetAlpha(), std::uint8_t{100});
        QCOMPARE(frame.GetSettings().GetAutoSaveData().GetInterval(), 20000);
        QCOMPARE(fixture.Prompts().messages.first().caption, QStringLiteral("Import Complete"));
        QCOMPARE(fixture.Prompts().messages.first().text,
                 QStringLiteral("Import complete! Here are the results:\n"
                                "Settings import was successful.\nNotes import was successful.\n"
                                "1 archived note(s) imported\n"));
        QCOMPARE(fixture.Files(fixture.DataFolder()), (QStringList{"notes.xml", "settings.xml"}));
        QCOMPARE(fixture.Files(fixture.DataFolder() + "archive"), QStringList{"Plans.vesknote"});
    }

    void importOfAFileThatCouldNotBeCopiedFallsBackOnTheDefaults() {
        Fixture fixture;
        WritePrevious(fixture, PreviousNotesFile({{}}));
        CMainFrame& frame = FirstStart(fixture, [&fixture](QDialog& dialog) {
            QDir().mkpath(fixture.DataFolder() + "settings.dat");
            return Import(dialog);
        });
        QCOMPARE(frame.GetSettings().GetTray(), TrayAction::ToggleShow);
        QCOMPARE(Titles(frame), QStringList{"Old note"});
        QCOMPARE(fixture.Prompts().messages.first().caption, QStringLiteral("Uh oh"));
    }

    void cancelledImportCopiesNothingAndTakesTheDefaults() {
        Fixture fixture;
        WritePrevious(fixture, PreviousNotesFile({{}}));
        CMainFrame& frame = FirstStart(fixture, [](QDialog&) { return int(QDialog::Rejected); });
        QCOMPARE(fixture.Prompts().dialogTitles, QStringList{"Import Helper"});
        QCOMPARE(Titles(frame), QStringList{"Note 0"});
        QCOMPARE(frame.GetSettings().GetTray(), TrayAction::ToggleShow);
        QVERIFY(fixture.Prompts().messages.isEmpty());
        QVERIFY(fixture.Files(fixture.DataFolder() + "archive").isEmpty());
    }

    void wizardFinishedWithItsDefaults() {
        Fixture fixture;
        CMainFrame& frame = FirstStart(fixture, [&fixture](QDialog& dialog) {
            fixture.Frame().CreateNewNote(NoteData::kChecklist);
            Find<QPushButton>(dialog, "moreHelp")->click();
            dialog.accept();
            return dialog.result();
        });
        QCOMPARE(fixture.Prompts().dialogTitles, QStringList{"Welcome to vesk notes 4"});
        QCOMPARE(fixture.Links().opened,
                 QStringList{fixture.InstallFolder() + "help/howtouse.html"});
        QVERIFY(fixture.Autostart().programs.isEmpty());
        QCOMPARE(frame.GetSettings().GetTray(), TrayAction::CreateNote);
        QCOMPARE(fixture.HotKeys().registered, (QStringList{"200:32:83", "201:32:78"}));
        // The note made while the wizard was open stays beside the defaults.
        QCOMPARE(Titles(frame).size(), 2);
        QCOMPARE(Titles(frame).last(), QStringLiteral("Note 0"));
        QCOMPARE(fixture.Files(fixture.DataFolder()), (QStringList{"notes.xml", "settings.xml"}));
        frame.Close();
        QVERIFY(fixture.HotKeys().registered.isEmpty());
    }

    void wizardFinishAppliesEveryChoiceAndCancelNone() {
        for (const bool finish : {true, false}) {
            Fixture fixture;
            CMainFrame& frame = FirstStart(fixture, [finish](QDialog& dialog) {
                Find<QCheckBox>(dialog, "logIn")->setChecked(true);
                Find<QCheckBox>(dialog, "hotKeys")->setChecked(false);
                Find<QListWidget>(dialog, "tray")->setCurrentRow(3);
                finish ? dialog.accept() : dialog.reject();
                return dialog.result();
            });
            const SettingsData& settings = frame.GetSettings();
            QCOMPARE(fixture.Autostart().programs.keys(),
                     finish ? QStringList{"vesk notes 4"} : QStringList{});
            QCOMPARE(settings.GetShowNotesHotKey().used, !finish);
            QCOMPARE(settings.GetNewNoteHotKey(), (HotKeyData{78, 32, !finish, u"newnote"}));
            QCOMPARE(fixture.HotKeys().registered.size(), finish ? 0 : 2);
            QCOMPARE(settings.GetTray(),
                     finish ? TrayAction::BringToFront : TrayAction::ToggleShow);
            QCOMPARE(Titles(frame), QStringList{"Note 0"});
        }
    }
};

const RegisterUiTest<FirstStartTest> registered;

}  // namespace
}  // namespace vesk::test

#include "FirstStartTest.moc"

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "DialogControls.h"
#include "MainFrameFixture.h"
#include "PreviousVersionText.h"
#include "UiTestRegistry.h"
#include "app/MainCommandIds.h"
#include "app/PathText.h"
#include "backup/BackupManager.h"
#include "dialogs/FirstTimeSheet.h"
#include "dialogs/ImportHelper.h"

namespace vesk::test {
namespace {

using Fixture = MainFrameFixture;

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

enum WizardRun { kDefaults, kChoices, kCancel };

// Makes a note from the tray while the wizard waits, asks for more help, then
// ends the wizard as the run says.
int AnswerWizard(Fixture& fixture, WizardRun run, QDialog& dialog) {
    fixture.Frame().CreateNewNote(NoteData::kChecklist);
    if (run == kChoices) {
        Find<QCheckBox>(dialog, "logIn").setChecked(true);
        Find<QCheckBox>(dialog, "hotKeys").setChecked(false);
        Find<QListWidget>(dialog, "tray").setCurrentRow(3);
    }
    Find<QPushButton>(dialog, "moreHelp").click();
    run == kCancel ? dialog.reject() : dialog.accept();
    return dialog.result();
}

int Import(QDialog& dialog) {
    Find<QPushButton>(dialog, "import").click();
    return dialog.result();
}

class FirstStartTest : public QObject {
    Q_OBJECT

private slots:
    void importHelperStartsFromWhatItFound() {
        // Notes found without the previous version's log-in entry, then
        // settings found with it.
        for (const bool previousEntry : {false, true}) {
            AutostartEntries entries;
            if (previousEntry) entries.programs["vesk notes 3"] = "/old/vesknotes";
            RecordingAutostart autostart(entries);
            CImportHelper helper({!previousEntry, previousEntry}, autostart, "/nowhere",
                                 "/nowhere");
            for (const auto& [name, found] :
                 {std::pair{"notes", !previousEntry}, {"settings", previousEntry}}) {
                QCOMPARE(Find<QCheckBox>(helper, name).isChecked(), found);
                QCOMPARE(Find<QCheckBox>(helper, name).isEnabled(), found);
            }
            QVERIFY(Find<QCheckBox>(helper, "archive").isChecked());
            const auto& logIn = Find<QCheckBox>(helper, "logIn");
            QCOMPARE(logIn.isChecked(), previousEntry);
            QCOMPARE(logIn.text(), previousEntry
                                       ? "Make vesk notes 4 start when I log in, not vesk notes 3"
                                       : "Have vesk notes 4 start when I log in");
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
        Find<QCheckBox>(again, "archive").setChecked(false);
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
        QCOMPARE(fixture.Files(fixture.DataFolder()), (QStringList{"notes.xml", "settings.xml"}));
        QCOMPARE(fixture.Files(fixture.DataFolder() + "archive"), QStringList{"Plans.vesknote"});
    }

    void importLeavingTheSettingsOutStillBacksUpTheNotes() {
        Fixture fixture;
        WritePrevious(fixture, PreviousNotesFile({{}}));
        CMainFrame& frame = FirstStart(fixture, [](QDialog& dialog) {
            Find<QCheckBox>(dialog, "settings").setChecked(false);
            return Import(dialog);
        });
        // The first save writes the notes file, the second backs it up.
        frame.SaveAll();
        frame.SaveAll();
        QVERIFY(fixture.Files(fixture.BackupFolder()).contains("backup1.xml"));
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

    void settingsAndThemeWaitUntilTheImportHelperIsDone() {
        for (const bool import : {false, true}) {
            Fixture fixture;
            WritePrevious(fixture, PreviousNotesFile({{}}));
            bool ran = false;
            CMainFrame& frame = FirstStart(fixture, [&](QDialog& dialog) {
                // The settings loaded after the helper would replace their changes.
                CMainFrame& running = fixture.Frame();
                ran = running.OnCommand(MainCommand::kSettings) ||
                      running.OnCommand(MainCommand::kTheme);
                return import ? Import(dialog) : int(QDialog::Rejected);
            });
            QVERIFY(!ran);
            QCOMPARE(fixture.Prompts().dialogTitles, QStringList{"Import Helper"});
            QVERIFY(frame.GetCommands().IsAvailable(MainCommand::kSettings));
            QVERIFY(frame.GetCommands().IsAvailable(MainCommand::kTheme));
        }
    }

    // A backup restored from the tray while a start-up dialog waits takes the
    // place of the notes that start-up would load; a note made after it
    // stays, and an import chosen afterwards still brings the old notes.
    void restoreDuringAStartUpDialogTakesThePlaceOfItsNotes_data() {
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("import");
        QTest::addColumn<QStringList>("notes");
        const QStringList restored{"Backup", "after"};
        QTest::newRow("wizard") << false << false << restored;
        QTest::newRow("helper cancelled") << true << false << restored;
        QTest::newRow("helper imports") << true << true << restored + QStringList{"Old note"};
    }
    void restoreDuringAStartUpDialogTakesThePlaceOfItsNotes() {
        QFETCH(bool, previous);
        QFETCH(bool, import);
        QFETCH(QStringList, notes);
        Fixture fixture;
        if (previous) WritePrevious(fixture, PreviousNotesFile({{}}));
        const QString backup = fixture.InstallFolder() + "backup.xml";
        Fixture::WriteNotes(backup, {{.title = u"Backup"}});
        CMainFrame& frame = FirstStart(fixture, [&](QDialog& dialog) {
            CMainFrame& running = fixture.Frame();
            fixture.Prompts().fileNames.push_back(backup);
            fixture.Prompts().answers.push_back(UserPrompts::Answer::Yes);
            fixture.Prompts().dialogs.push_back([](QDialog& manager) {
                static_cast<CBackupManager&>(manager).OnCommand(CBackupManager::kManualRestoreId);
                return int(QDialog::Rejected);
            });
            running.OnCommand(MainCommand::kBackupManager);
            running.CreateNewNote(NoteData::kMessage);
            running.GetCollection().GetNotes().rbegin()->second->GetNoteData().SetTitle(u"after");
            if (import) return Import(dialog);
            dialog.reject();
            return dialog.result();
        });
        QCOMPARE(Titles(frame), notes);
    }

    // Finish applies the wizard's choices, its own defaults where untouched;
    // Cancel keeps the installation's settings. The note made meanwhile stays
    // beside the default notes.
    void wizardFinishAppliesItsChoicesAndCancelNone_data() {
        QTest::addColumn<int>("run");
        QTest::newRow("Finish") << int(kDefaults);
        QTest::newRow("Finish with choices") << int(kChoices);
        QTest::newRow("Cancel") << int(kCancel);
    }
    void wizardFinishAppliesItsChoicesAndCancelNone() {
        QFETCH(int, run);
        Fixture fixture;
        CMainFrame& frame = FirstStart(fixture, [&fixture, run](QDialog& dialog) {
            return AnswerWizard(fixture, WizardRun(run), dialog);
        });
        QCOMPARE(fixture.Prompts().dialogTitles, QStringList{"Welcome to vesk notes 4"});
        QCOMPARE(fixture.Links().opened,
                 QStringList{fixture.InstallFolder() + "help/howtouse.html"});
        const SettingsData& settings = frame.GetSettings();
        const bool keys = run != kChoices;
        QCOMPARE(fixture.Autostart().programs.keys(),
                 keys ? QStringList() : QStringList({"vesk notes 4"}));
        QCOMPARE(settings.GetShowNotesHotKey().used, keys);
        QCOMPARE(settings.GetNewNoteHotKey(), (HotKeyData{78, 32, keys, u"newnote"}));
        QCOMPARE(fixture.HotKeys().registered,
                 keys ? QStringList({"200:32:83", "201:32:78"}) : QStringList());
        QCOMPARE(settings.GetTray(), run == kDefaults  ? TrayAction::CreateNote
                                     : run == kChoices ? TrayAction::BringToFront
                                                       : TrayAction::ToggleShow);
        QCOMPARE(Titles(frame).size(), 2);
        QCOMPARE(Titles(frame).last(), QStringLiteral("Note 0"));
        QCOMPARE(fixture.Files(fixture.DataFolder()), (QStringList{"notes.xml", "settings.xml"}));
        frame.Close();
        QVERIFY(fixture.HotKeys().registered.isEmpty());
    }
};

const RegisterUiTest<FirstStartTest> registered;

}  // namespace
}  // namespace vesk::test

#include "FirstStartTest.moc"

#include <QDir>
#include <QTest>

#include "MainFrameFixture.h"
#include "UiTestRegistry.h"
#include "app/MainCommandIds.h"
#include "app/PathText.h"
#include "app/UnreadableFile.h"
#include "backup/BackupManager.h"

namespace vesk::test {
namespace {

using Fixture = MainFrameFixture;

const QString kYikes = QStringLiteral(
    "Your notes failed to load because the notes file is either corrupted or missing.\n"
    "Would you like to go to the Backup Manager to restore a backup file?");

void WriteSettings(const QString& path, std::uint8_t alpha) {
    SettingsData settings;
    settings.SetAlpha(alpha);
    settings.GetShowNotesHotKey() = {83, 34, true, u"shownotes"};
    settings.GetNewNoteHotKey() = {78, 32, false, u"newnote"};
    settings.Save(ToPath(path));
}

// The one file that start-up set aside under the name of `file`.
QString Kept(const Fixture& fixture, const QString& file) {
    const QStringList kept = QDir(fixture.DataFolder()).entryList({file + ".unreadable-*"});
    return kept.size() == 1 ? fixture.DataFolder() + kept.first() : QString();
}

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void unreadableSettingsAreSetAsideBeforeTheDefaultsReplaceThem() {
        Fixture fixture;
        Fixture::WriteBytes(fixture.SettingsFile(), "<settings><broken");
        WriteSettings(fixture.DefaultFolder() + "settings.xml", 77);
        Fixture::WriteNotes(fixture.NotesFile(), Fixture::ShownNotes(1));
        CMainFrame& frame = fixture.Start();
        QCOMPARE(frame.GetSettings().GetAlpha(), std::uint8_t{77});
        QCOMPARE(frame.GetCollection().GetNotes().size(), std::size_t{1});
        const QString kept = Kept(fixture, "settings.xml");
        QCOMPARE(Fixture::Bytes(kept), "<settings><broken");
        QCOMPARE(fixture.Prompts().messages.size(), 1);
        const auto& told = fixture.Prompts().messages.first();
        QCOMPARE(told.caption, QStringLiteral("Yikes!"));
        QVERIFY(told.text.endsWith("The unreadable settings file has been kept as \"" +
                                   QDir::toNativeSeparators(kept) + "\"."));
    }

    // The message about the settings leaves the tray at work: a backup
    // restored from there takes the place of the notes file.
    void restoreWhileTheSettingsMessageWaitsTakesThePlaceOfTheNotes() {
        Fixture fixture;
        Fixture::WriteBytes(fixture.SettingsFile(), "<settings><broken");
        Fixture::WriteNotes(fixture.NotesFile(), Fixture::ShownNotes(1));
        const QString backup = fixture.InstallFolder() + "backup.xml";
        Fixture::WriteNotes(backup, {{.title = u"Backup"}});
        ScriptedPrompts& prompts = fixture.Prompts();
        prompts.whileAsked.push_back([&] {
            prompts.fileNames.push_back(backup);
            prompts.answers.push_back(UserPrompts::Answer::Yes);
            prompts.dialogs.push_back([](QDialog& manager) {
                static_cast<CBackupManager&>(manager).OnCommand(CBackupManager::kManualRestoreId);
                return int(QDialog::Rejected);
            });
            fixture.Frame().OnCommand(MainCommand::kBackupManager);
        });
        const auto& notes = fixture.Start().GetCollection().GetNotes();
        QCOMPARE(notes.size(), std::size_t{1});
        QVERIFY(notes.begin()->second->GetNoteData().GetTitle() == u"Backup");
    }

    void unreadableNotesAreKeptAndNamedInTheQuestion() {
        Fixture fixture;
        Fixture::WriteBytes(fixture.NotesFile(), "not a notes file");
        CMainFrame& frame = fixture.Start();
        const QString kept = Kept(fixture, "notes.xml");
        QCOMPARE(fixture.Prompts().messages.size(), 1);
        const auto& question = fixture.Prompts().messages.first();
        QCOMPARE(question.caption, QStringLiteral("Yikes!"));
        QCOMPARE(question.buttons, UserPrompts::Buttons::YesNo);
        QCOMPARE(question.text, kYikes + "\n\nThe unreadable notes file has been kept as \"" +
                                    QDir::toNativeSeparators(kept) + "\".");
        QVERIFY(fixture.Prompts().dialogTitles.isEmpty());

        // Neither the exit save nor its backup touches the kept file.
        frame.Close();
        QCOMPARE(Fixture::Bytes(kept), "not a notes file");
        QCOMPARE(Fixture::SavedNotes(fixture.NotesFile()), QStringList{});
        QVERIFY(QFile::exists(fixture.NotesFile()));
        QVERIFY(fixture.Files(fixture.BackupFolder()).isEmpty());
    }

    void missingNotesAskThePlainQuestionAndYesOpensTheBackupManager() {
        Fixture fixture;
        fixture.Prompts().answers.push_back(UserPrompts::Answer::Yes);
        bool managerShown = false;
        fixture.Prompts().dialogs.push_back([&managerShown](QDialog& dialog) {
            managerShown = qobject_cast<CBackupManager*>(&dialog) != nullptr;
            return int(QDialog::Rejected);
        });
        fixture.Start();
        QCOMPARE(fixture.Prompts().messages.size(), 1);
        QCOMPARE(fixture.Prompts().messages.first().text, kYikes);
        QVERIFY(managerShown);
    }

    void startUpRemovesTheTemporaryFilesOfKilledWritesOnly() {
        Fixture fixture;
        Fixture::WriteNotes(fixture.NotesFile(), Fixture::ShownNotes(1));
        const QStringList others{"notes.xml", "notes.xml.tmp", "notes.xml.tmp12-",
                                 "notes.xml.tmpX-1", "notes.xml.tmp1-2.txt"};
        for (const QString& name : others) {
            if (name != "notes.xml") Fixture::WriteBytes(fixture.DataFolder() + name, "theirs");
        }
        QDir().mkpath(fixture.DataFolder() + "archive");
        for (const QString& stale : {fixture.DataFolder() + "notes.xml.tmp4242-0",
                                     fixture.DataFolder() + "settings.xml.tmp17-31",
                                     fixture.BackupFolder() + "backup2.xml.tmp4242-1",
                                     fixture.DataFolder() + "archive/Note 0.vesknote.tmp9-0"}) {
            Fixture::WriteBytes(stale, "cut short");
        }
        fixture.Start();
        QStringList expected = others;
        expected.sort();
        QCOMPARE(fixture.Files(fixture.DataFolder()), expected);
        QVERIFY(fixture.Files(fixture.BackupFolder()).isEmpty());
        QVERIFY(fixture.Files(fixture.DataFolder() + "archive").isEmpty());
    }

    void setAsideNamesNeverMeet() {
        Fixture fixture;
        const QDateTime when(QDate(2024, 2, 29), QTime(23, 59, 58));
        const QString path = fixture.NotesFile();
        Fixture::WriteBytes(path, "first");
        const QString first = SetAsideUnreadableFile(path, when);
        Fixture::WriteBytes(path, "second");
        QCOMPARE(first, path + ".unreadable-2024-02-29_23-59-58");
        QCOMPARE(SetAsideUnreadableFile(path, when), first + "-2");
        QCOMPARE(Fixture::Bytes(first), "first");
        QCOMPARE(SetAsideUnreadableFile(path, when), QString());
    }
};

const RegisterUiTest<StartUpTest> registered;

}  // namespace
}  // namespace vesk::test

#include "StartUpTest.moc"

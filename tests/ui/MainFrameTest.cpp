#include <sys/resource.h>

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <csignal>
#include <cstring>

#include "MainFrameFixture.h"
#include "UiTestRegistry.h"
#include "app/MainCommandIds.h"
#include "app/PathText.h"
#include "app/TrayStandInWnd.h"
#include "backup/BackupManager.h"
#include "notes/NoteCommands.h"
#include "notewnd/CNoteEdit.h"

namespace vesk::test {
namespace {

using Fixture = MainFrameFixture;

// While it lives, writes past the limit fail ("File too large") as they
// would on a full disk, instead of stopping the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes) : ignored_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, ignored_);
    }
    static QString Reason() { return QString::fromLocal8Bit(std::strerror(EFBIG)); }

private:
    void (*ignored_)(int);
    rlimit previous_{};
};

// A title that makes the note's file bigger than the file on disk.
void Grow(CMainFrame& frame, qint64 bytes) {
    frame.GetCollection().Find(0)->GetNoteData().SetTitle(
        std::u16string(static_cast<std::size_t>(bytes), u'x'));
    frame.MarkChanged();
}

void WriteSettings(const QString& path, const std::function<void(SettingsData&)>& change) {
    SettingsData settings;
    change(settings);
    settings.Save(ToPath(path));
}

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    // Keeping the wastebasket at exit (the policy "never") is the new-note
    // scenario's to check.
    void closeCommitsOpenEditsAndEmptiesTheWastebasketOnExit() {
        Fixture fixture;
        WriteSettings(fixture.SettingsFile(),
                      [](SettingsData& s) { s.SetEmptyWaste(EmptyWastePolicy::OnExit); });
        Fixture::WriteNotes(fixture.NotesFile(), {{u"Keep"},
                                                  {u"Later", 2, NoteData::kStateHidden},
                                                  {u"Bin", 0, NoteData::kStateWastebasket}});
        CMainFrame& frame = fixture.Start();
        frame.GetSettings().SetAlpha(99);
        // Typed into a note that was then hidden, still being edited.
        NoteWindow* note = frame.GetCollection().Find(0);
        note->SendCommand(NoteCommand::kEdit);
        for (CNoteEdit* edit : dynamic_cast<QWidget*>(note)->findChildren<CNoteEdit*>()) {
            edit->SetText(u"Kept");
        }
        note->SendCommand(NoteCommand::kHide);
        frame.OnCommand(MainCommand::kExit);

        QVERIFY(frame.IsClosed());
        QVERIFY(frame.GetCollection().GetNotes().empty());
        QCOMPARE(Fixture::SavedNotes(fixture.NotesFile()), (QStringList{"Kept:0:1", "Later:2:1"}));
        SettingsData settings;
        QVERIFY(settings.Load(ToPath(fixture.SettingsFile())));
        QCOMPARE(settings.GetAlpha(), std::uint8_t{99});
    }

    void aCloseWhileADialogIsOpenCancelsItThenEnds() {
        Fixture fixture;
        Fixture::WriteNotes(fixture.NotesFile(), Fixture::ShownNotes(1));
        CMainFrame& frame = fixture.Start();
        bool closedWhileOpen = true;
        fixture.Prompts().dialogs.push_back([&](QDialog& dialog) {
            dialog.show();
            frame.OnCommand(MainCommand::kExit);
            closedWhileOpen = frame.IsClosed();
            return dialog.isVisible() ? int(QDialog::Accepted) : int(QDialog::Rejected);
        });
        frame.OnCommand(MainCommand::kBackupManager);
        QVERIFY(!closedWhileOpen);
        QTRY_VERIFY(frame.IsClosed());
        QCOMPARE(Fixture::SavedNotes(fixture.NotesFile()), QStringList{"Note 0:0:0"});
    }

    void aFailedRestoreKeepsTheNotesThatWereThere() {
        Fixture fixture;
        Fixture::WriteNotes(fixture.NotesFile(), Fixture::ShownNotes(2));
        CMainFrame& frame = fixture.Start();
        const QString junk = fixture.DataFolder() + "junk.xml";
        Fixture::WriteBytes(junk, "not notes");
        fixture.Prompts().fileNames.push_back(junk);
        fixture.Prompts().answers.push_back(UserPrompts::Answer::Yes);
        fixture.Prompts().dialogs.push_back([](QDialog& manager) {
            static_cast<CBackupManager&>(manager).OnCommand(CBackupManager::kManualRestoreId);
            return int(QDialog::Rejected);
        });
        frame.OnCommand(MainCommand::kBackupManager);
        QCOMPARE(fixture.Prompts().messages.last().text,
                 QStringLiteral("Unable to load backup file"));
        QCOMPARE(frame.GetCollection().GetNotes().size(), std::size_t{2});
        QVERIFY(dynamic_cast<QWidget*>(frame.GetCollection().Find(1))->isVisible());
        frame.Close();
        QCOMPARE(Fixture::SavedNotes(fixture.NotesFile()),
                 (QStringList{"Note 0:0:0", "Note 1:0:0"}));
    }

    // The alarms come and go with the notes: a deleted note's alarm never
    // fires later.
    void alarmsFollowTheNotes() {
        Fixture fixture;
        const TimeValue month = Now() + 30 * 24 * 3600;
        Fixture::WriteNotes(fixture.NotesFile(),
                            {{u"A", NoteData::kMessage, NoteData::kStateShown, month + 1},
                             {u"B", NoteData::kMessage, NoteData::kStateWastebasket, month}});
        CMainFrame& frame = fixture.Start();
        QCOMPARE(frame.GetAlarms().NextDue(), month);
        frame.EmptyWastebasket();
        QCOMPARE(frame.GetAlarms().NextDue(), month + 1);
    }

    void autoSaveBacksUpAndSavesOnlyAfterAChange() {
        Fixture fixture;
        WriteSettings(fixture.SettingsFile(),
                      [](SettingsData& s) { s.GetAutoSaveData().SetInterval(-40); });
        Fixture::WriteNotes(fixture.NotesFile(), Fixture::ShownNotes(1));
        const QByteArray before = Fixture::Bytes(fixture.NotesFile());
        CMainFrame& frame = fixture.Start();
        // A meaningless interval falls back to the usual one.
        QCOMPARE(frame.AutoSaveInterval(), 10000);
        frame.OnTimer(MainTimer::kAutoSave);
        QVERIFY(fixture.Files(fixture.BackupFolder()).isEmpty());

        frame.GetCollection().Find(0)->GetNoteData().SetTitle(u"Edited");
        frame.MarkChanged();
        frame.OnTimer(MainTimer::kAutoSave);
        QCOMPARE(Fixture::Bytes(fixture.BackupFolder() + "backup1.xml"), before);
        QCOMPARE(Fixture::SavedNotes(fixture.NotesFile()), QStringList{"Edited:0:0"});
        QVERIFY(!frame.GetSettings().GetAutoSaveData().IsChanged());
    }

    void failingSavesKeepTheBackupsAreToldOnceAndAskedAboutAtExit() {
        Fixture fixture;
        Fixture::WriteNotes(fixture.NotesFile(), Fixture::ShownNotes(1));
        const QByteArray before = Fixture::Bytes(fixture.NotesFile());
        CMainFrame& frame = fixture.Start();
        QSignalSpy told(&frame.GetSaver(), &NotesSaver::Report);
        auto& asked = fixture.Prompts().messages;
        {
            FileSizeLimit full(before.size());
            Grow(frame, before.size());
            for (int tick = 0; tick < 4; ++tick) frame.OnTimer(MainTimer::kAutoSave);
            QCOMPARE(fixture.Files(fixture.BackupFolder()), QStringList{"backup1.xml"});
            QCOMPARE(Fixture::Bytes(fixture.NotesFile()), before);
            QCOMPARE(told.size(), 1);
            QVERIFY(told[0][1].toString().contains(FileSizeLimit::Reason()));

            // Trying again fails again; not agreeing to the loss keeps the
            // program on.
            fixture.Prompts().answers = {UserPrompts::Answer::Retry, UserPrompts::Answer::Cancel,
                                         UserPrompts::Answer::No};
            frame.OnCommand(MainCommand::kExit);
            QVERIFY(!frame.IsClosed());
            QCOMPARE(asked.size(), 3);
            QCOMPARE(asked[0].caption, QStringLiteral("Uh oh"));
            QCOMPARE(asked[0].text, "Your notes could not be saved:\n" + FileSizeLimit::Reason() +
                                        "\n\nTry again?");
            QCOMPARE(asked[2].caption, QStringLiteral("Last Chance"));
        }
        // Each tick tries again; once there is room, the next one saves.
        frame.OnTimer(MainTimer::kAutoSave);
        QVERIFY(!frame.GetSettings().GetAutoSaveData().IsChanged());
        QCOMPARE(told.size(), 2);
        QCOMPARE(told[1][1].toString(), QStringLiteral("Your notes are saved again."));

        const qint64 saved = Fixture::Bytes(fixture.NotesFile()).size();
        FileSizeLimit full(saved);
        Grow(frame, saved);
        fixture.Prompts().answers = {UserPrompts::Answer::Cancel, UserPrompts::Answer::Yes};
        frame.OnCommand(MainCommand::kExit);
        QVERIFY(frame.IsClosed());
        QCOMPARE(frame.ExitStatus(), 1);
    }

    void settingsThatCannotBeSavedAreToldOf() {
        Fixture fixture;
        Fixture::WriteNotes(fixture.NotesFile(), Fixture::ShownNotes(1));
        CMainFrame& frame = fixture.Start();
        QFile::remove(fixture.SettingsFile());
        QVERIFY(QDir().mkpath(fixture.SettingsFile()));
        const QString unsaved =
            "Your settings could not be saved:\n" + QString::fromLocal8Bit(std::strerror(EISDIR));
        QSignalSpy told(&frame.GetSettingsSaver(), &SettingsSaver::Report);
        frame.SaveAll();
        frame.SaveAll();
        QCOMPARE(told.size(), 1);
        QCOMPARE(told[0][1].toString(), unsaved);

        fixture.Prompts().answers = {UserPrompts::Answer::Retry, UserPrompts::Answer::Cancel};
        frame.OnCommand(MainCommand::kExit);
        QVERIFY(frame.IsClosed());
        const auto& asked = fixture.Prompts().messages;
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[1].text, unsaved + "\n\nTry again?");
        QCOMPARE(asked[1].buttons, UserPrompts::Buttons::RetryCancel);
        QCOMPARE(Fixture::SavedNotes(fixture.NotesFile()), QStringList{"Note 0:0:0"});
    }

    void withoutATrayAStandInWindowActsForTheTrayUntilTheClose() {
        Fixture fixture;
        Fixture::WriteNotes(fixture.NotesFile(), Fixture::ShownNotes(2));
        fixture.trayAvailable = false;
        CMainFrame& frame = fixture.Start();
        CTrayStandInWnd* standIn = frame.GetTray().StandIn();
        QVERIFY(standIn != nullptr && standIn->isVisible());

        // Its double-click is the tray's: by default, a new note.
        QTest::mouseDClick(standIn, Qt::LeftButton);
        QCOMPARE(frame.GetCollection().GetNotes().size(), std::size_t{3});
        frame.Close();
        QVERIFY(frame.GetTray().StandIn() == nullptr);
    }
};

const RegisterUiTest<MainFrameTest> registered;

}  // namespace
}  // namespace vesk::test

#include "MainFrameTest.moc"

#include <QTest>

#include "MainFrameFixture.h"
#include "UiTestRegistry.h"
#include "app/MainCommandIds.h"
#include "app/PathText.h"
#include "app/TrayStandInWnd.h"
#include "backup/BackupManager.h"

namespace vesk::test {
namespace {

using Fixture = MainFrameFixture;

void WriteSettings(const QString& path, const std::function<void(SettingsData&)>& change) {
    SettingsData settings;
    change(settings);
    settings.Save(ToPath(path));
}

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void closeSavesNotesAndSettingsAfterTheWastebasketPolicy() {
        for (const auto policy : {EmptyWastePolicy::OnExit, EmptyWastePolicy::Never}) {
            Fixture fixture;
            WriteSettings(fixture.SettingsFile(),
                          [policy](SettingsData& s) { s.SetEmptyWaste(policy); });
            Fixture::WriteNotes(fixture.NotesFile(), {{u"Keep"},
                                                      {u"Later", 2, NoteData::kStateHidden},
                                                      {u"Bin", 0, NoteData::kStateWastebasket}});
            CMainFrame& frame = fixture.Start();
            frame.GetSettings().SetAlpha(99);
            frame.GetCollection().Find(0)->GetNoteData().SetTitle(u"Kept");
            frame.Close();

            QVERIFY(frame.IsClosed());
            QVERIFY(frame.GetCollection().GetNotes().empty());
            QStringList expected{"Kept:0:0", "Later:2:1"};
            if (policy == EmptyWastePolicy::Never) expected << "Bin:0:2";
            QCOMPARE(Fixture::SavedNotes(fixture.NotesFile()), expected);
            SettingsData settings;
            QVERIFY(settings.Load(ToPath(fixture.SettingsFile())));
            QCOMPARE(settings.GetAlpha(), std::uint8_t{99});
        }
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

        // A save that fails (a folder stands in the file's way) keeps the mark.
        QFile::remove(fixture.NotesFile());
        QDir().mkpath(fixture.NotesFile());
        frame.MarkChanged();
        frame.OnTimer(MainTimer::kAutoSave);
        QVERIFY(frame.GetSettings().GetAutoSaveData().IsChanged());
    }

    void withoutATrayAStandInWindowOffersTheTrayUntilOneAppears() {
        Fixture fixture;
        WriteSettings(fixture.SettingsFile(),
                      [](SettingsData& s) { s.SetTray(TrayAction::ToggleShow); });
        Fixture::WriteNotes(fixture.NotesFile(), Fixture::ShownNotes(2));
        fixture.trayAvailable = false;
        CMainFrame& frame = fixture.Start();
        CTrayStandInWnd* standIn = frame.GetTray().StandIn();
        QVERIFY(standIn != nullptr && standIn->isVisible());

        // Its double-click is the tray's: here, hide every note.
        QTest::mouseDClick(standIn, Qt::LeftButton);
        for (const auto& [id, window] : frame.GetCollection().GetNotes()) {
            QCOMPARE(window->GetNoteData().GetState(), NoteData::kStateHidden);
        }

        fixture.trayAvailable = true;
        frame.GetTray().FollowTray();
        QVERIFY(frame.GetTray().StandIn() == nullptr);
        fixture.trayAvailable = false;
        frame.GetTray().FollowTray();
        QVERIFY(frame.GetTray().StandIn() != nullptr);
        frame.Close();
        QVERIFY(frame.GetTray().StandIn() == nullptr);
    }
};

const RegisterUiTest<MainFrameTest> registered;

}  // namespace
}  // namespace vesk::test

#include "MainFrameTest.moc"

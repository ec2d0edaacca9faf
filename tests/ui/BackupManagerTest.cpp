#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <memory>
#include <vector>

#include "DialogControls.h"
#include "MainFrameFixture.h"
#include "ScopedTimeZone.h"
#include "ScriptedPrompts.h"
#include "UiTestRegistry.h"
#include "backup/BackupList.h"
#include "backup/BackupManager.h"

namespace vesk::test {
namespace {

using Answer = UserPrompts::Answer;

constexpr TimeValue kFirstBackup = 1'200'000'000;

class FakeOwner final : public BackupOwner {
public:
    bool LoadNotes(const std::filesystem::path& path) override {
        loaded.push_back(path);
        return loads;
    }

    bool loads = true;
    std::vector<std::filesystem::path> loaded;
};

constexpr auto WriteFile = &MainFrameFixture::WriteBytes;
constexpr auto ReadFile = &MainFrameFixture::Bytes;

// A data folder with a notes file and a backup folder, whose backups were
// made an hour apart in the order of their numbers.
class Desk {
public:
    Desk() {
        QDir(dir.path()).mkdir(QStringLiteral("backup"));
        WriteFile(NotesPath(), "current notes");
        backups.SetFolder(BackupFolder().toStdU16String());
        backups.SetOwner(&owner);
        backups.SetFileTimeReader([](const std::filesystem::path& path) {
            const std::string name = path.filename().string();
            return std::optional<TimeValue>(kFirstBackup +
                                            3600 * std::stoll(name.substr(6, name.size() - 10)));
        });
    }

    QString NotesPath() const { return dir.filePath(QStringLiteral("notes.xml")); }
    QString BackupFolder() const { return dir.filePath(QStringLiteral("backup")); }
    QString BackupPath(int n) const {
        return BackupFolder() + QStringLiteral("/backup%1.xml").arg(n);
    }
    void PutBackups(int last) {
        for (int n = 1; n <= last; ++n) WriteFile(BackupPath(n), "backup " + QByteArray::number(n));
        backups.ScanBackups();
    }
    std::unique_ptr<CBackupManager> Open() {
        auto dialog =
            std::make_unique<CBackupManager>(backups, owner, NotesPath().toStdU16String());
        dialog->show();
        return dialog;
    }

    QTemporaryDir dir;
    BackupData backups;
    FakeOwner owner;
    ScriptedPrompts prompts;
};

QStringList ListTexts(CBackupManager& dialog) {
    return Entries(Find<QListWidget>(dialog, "backupList"));
}

void Select(CBackupManager& dialog, int row) {
    Find<QListWidget>(dialog, "backupList").setCurrentRow(row);
}

void Click(CBackupManager& dialog, const char* name) { Find<QPushButton>(dialog, name).click(); }

QString Listed(int n) {
    return QString::fromStdU16String(FormatBackupTime(kFirstBackup + 3600 * n));
}

QStringList Captions(const ScriptedPrompts& prompts) {
    QStringList captions;
    for (const auto& message : prompts.messages) captions << message.caption;
    return captions;
}

// Each message is known by its caption; the texts are the dialog's own.
class BackupManagerTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheIndexNotTheFolder() {
        Desk desk;
        WriteFile(desk.BackupPath(1), "not scanned yet");
        const auto dialog = desk.Open();
        QCOMPARE(ListTexts(*dialog), QStringList({QStringLiteral("No backups found")}));
        desk.PutBackups(3);
        Click(*dialog, "refreshList");
        QCOMPARE(ListTexts(*dialog), QStringList({Listed(1), Listed(2), Listed(3)}));
        // The index moves on behind the dialog: backup1 is pruned, a file
        // appears in the folder unindexed.
        desk.backups.SetMaxKeep(3);
        QVERIFY(desk.backups.CreateBackup(desk.NotesPath().toStdU16String()));
        WriteFile(desk.BackupPath(9), "dropped in by hand");
        Select(*dialog, 0);
        Click(*dialog, "restoreBackup");
        QCOMPARE(Captions(desk.prompts), QStringList{"It's Not There"});
        Click(*dialog, "refreshList");
        QCOMPARE(ListTexts(*dialog), QStringList({Listed(2), Listed(3), Listed(4)}));
    }

    void restoreNeedsASelectionAndAYes() {
        Desk desk;
        const auto empty = desk.Open();
        Click(*empty, "restoreBackup");
        Select(*empty, 0);  // "No backups found"
        Click(*empty, "restoreBackup");
        desk.PutBackups(2);
        const auto dialog = desk.Open();
        Select(*dialog, 1);
        desk.prompts.answers.push_back(Answer::No);
        Click(*dialog, "restoreBackup");
        QCOMPARE(Captions(desk.prompts), QStringList({"Do it", "It's Not There", "Warning"}));
        QCOMPARE(desk.prompts.messages[2].buttons, UserPrompts::Buttons::YesNo);
        QVERIFY(desk.owner.loaded.empty());
        QVERIFY(empty->isVisible() && dialog->isVisible());
        // Done closes without restoring.
        Click(*dialog, "done");
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(!dialog->isVisible() && desk.owner.loaded.empty());
    }

    void restoreLoadsTheSelectedBackupAndCloses() {
        for (const bool loads : {true, false}) {
            Desk desk;
            desk.PutBackups(3);
            desk.owner.loads = loads;
            const auto dialog = desk.Open();
            Select(*dialog, 1);
            desk.prompts.answers.push_back(Answer::Yes);
            Click(*dialog, "restoreBackup");
            QCOMPARE(desk.owner.loaded,
                     std::vector<std::filesystem::path>({desk.BackupPath(2).toStdU16String()}));
            QCOMPARE(Captions(desk.prompts),
                     QStringList({"Warning", loads ? "Gooood" : "Not good"}));
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        }
    }

    void twoBackupsOfTheSameLocalTimeEachRestoreTheirOwn() {
        const ScopedTimeZone zone("Europe/Berlin");
        Desk desk;
        // 02:30 summer time, then 02:30 again once the clocks went back.
        constexpr TimeValue kBeforeChange = 1'698'539'400;
        desk.backups.SetFileTimeReader([](const std::filesystem::path& path) {
            return std::optional<TimeValue>(kBeforeChange +
                                            (path.filename() == "backup2.xml" ? 3600 : 0));
        });
        desk.PutBackups(2);
        QStringList texts;
        for (int row = 0; row < 2; ++row) {
            const auto dialog = desk.Open();
            texts << ListTexts(*dialog);
            Select(*dialog, row);
            desk.prompts.answers.push_back(Answer::Yes);
            Click(*dialog, "restoreBackup");
        }
        QCOMPARE(texts, QStringList(4, QStringLiteral("2023-10-29 02:30:00")));
        std::vector<std::filesystem::path> restored = desk.owner.loaded;
        std::sort(restored.begin(), restored.end());
        QCOMPARE(restored,
                 std::vector<std::filesystem::path>(
                     {desk.BackupPath(1).toStdU16String(), desk.BackupPath(2).toStdU16String()}));
    }

    void createBackupSaysHowItWent() {
        Desk desk;
        desk.PutBackups(2);
        const auto dialog = desk.Open();
        Click(*dialog, "createBackup");
        QCOMPARE(ReadFile(desk.BackupPath(3)), QByteArray("current notes"));
        QCOMPARE(ListTexts(*dialog), QStringList({Listed(1), Listed(2), Listed(3)}));
        // A manual copy goes where the user says, outside the index; only a
        // copy into a missing folder says anything.
        const QString kept = desk.dir.filePath(QStringLiteral("kept"));
        const QString existing = desk.dir.filePath(QStringLiteral("old.xml"));
        WriteFile(existing, "an older copy");
        desk.prompts.fileNames = {kept, existing, QString(),
                                  desk.dir.filePath(QStringLiteral("missing/copy.xml"))};
        for (int i = 0; i < 4; ++i) Click(*dialog, "manualCreate");
        QCOMPARE(ReadFile(kept + QStringLiteral(".xml")), QByteArray("current notes"));
        QCOMPARE(ReadFile(existing), QByteArray("current notes"));
        QCOMPARE(desk.backups.GetBackups().size(), std::size_t{3});

        QVERIFY(QFile::remove(desk.NotesPath()));
        Click(*dialog, "createBackup");
        QVERIFY(!QFile::exists(desk.BackupPath(4)));
        QCOMPARE(ListTexts(*dialog).size(), 3);
        QCOMPARE(Captions(desk.prompts), QStringList({"Sweetness", "Error", "Error"}));
        QVERIFY(dialog->isVisible());
    }

    void manualRestoreLoadsTheChosenFileAndStaysOpen() {
        Desk desk;
        const auto dialog = desk.Open();
        const QString chosen = desk.dir.filePath(QStringLiteral("elsewhere.xml"));
        desk.prompts.fileNames = {QString(), chosen, chosen, chosen};
        desk.prompts.answers = {Answer::No, Answer::Yes, Answer::Ok, Answer::Yes};
        Click(*dialog, "manualRestore");  // cancelled: nothing asked
        Click(*dialog, "manualRestore");  // No
        Click(*dialog, "manualRestore");  // Yes, loads
        desk.owner.loads = false;
        Click(*dialog, "manualRestore");  // Yes, fails
        QCOMPARE(desk.owner.loaded, std::vector<std::filesystem::path>(2, chosen.toStdU16String()));
        QCOMPARE(Captions(desk.prompts),
                 QStringList({"Warning", "Warning", "Gooood", "Warning", "Not good"}));
        QVERIFY(dialog->isVisible());
    }
};

const RegisterUiTest<BackupManagerTest> registered;

}  // namespace
}  // namespace vesk::test

#include "BackupManagerTest.moc"

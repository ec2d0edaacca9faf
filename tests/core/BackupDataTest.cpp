#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "backup/AutoSaveData.h"
#include "backup/BackupData.h"
#include "backup/BackupList.h"
#include "backup/FileCreationTime.h"

namespace vesk {
namespace {

using test::ReadBytes;
using test::WriteBytes;
using Names = std::vector<std::u16string>;
namespace fs = std::filesystem;

class BackupDataTest : public ::testing::Test, public BackupOwner {
protected:
    void SetUp() override {
        WriteBytes(notes_, "notes v1");
        fs::create_directory(folder_ / "backup");
        backups_.SetFolder(PathToWide(folder_ / "backup"));
        // Every backup made gets the next second, so the index order is known.
        backups_.SetFileTimeReader([this](const fs::path&) { return clock_++; });
    }
    bool LoadNotes(const fs::path& path) override {
        restored_.push_back(path);
        return true;
    }

    bool Backup() { return backups_.CreateBackup(notes_); }
    bool OnDisk(const std::string& name) const { return fs::exists(folder_ / "backup" / name); }
    Names IndexedNames() const {
        Names names;
        for (const auto& [time, name] : backups_.GetBackups()) names.push_back(name);
        return names;
    }

    test::TempDir folder_;
    fs::path notes_ = folder_ / "notes.xml";
    BackupData backups_;
    TimeValue clock_ = 1000;
    std::vector<fs::path> restored_;
};

TEST_F(BackupDataTest, RotationDeletesTheOldestAndReusesItsName) {
    test::ScopedTimeZone utc("UTC");
    EXPECT_EQ(BackupListTexts(backups_), Names{u"No backups found"});
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(Backup());
    EXPECT_EQ(ReadBytes(folder_ / "backup" / "backup2.xml"), "notes v1");
    EXPECT_TRUE(OnDisk("backup6.xml") && !OnDisk("backup1.xml"));
    EXPECT_EQ(backups_.GetCount(), 5);

    WriteBytes(notes_, "notes v2");
    ASSERT_TRUE(Backup());
    EXPECT_EQ(ReadBytes(folder_ / "backup" / "backup1.xml"), "notes v2");
    EXPECT_FALSE(OnDisk("backup2.xml"));
    EXPECT_EQ(IndexedNames(), (Names{u"backup3.xml", u"backup4.xml", u"backup5.xml", u"backup6.xml",
                                     u"backup1.xml"}));
    EXPECT_EQ(BackupListTexts(backups_).front(), u"1970-01-01 00:16:42") << "oldest first";
}

TEST_F(BackupDataTest, MaxKeepBelowOneKeepsEverythingAndNothingToCopyMakesNoBackup) {
    backups_.SetMaxKeep(0);
    for (int i = 0; i < 8; ++i) ASSERT_TRUE(Backup());
    backups_.SetMaxKeep(-1);
    ASSERT_TRUE(Backup());
    EXPECT_EQ(backups_.GetCount(), 9);
    EXPECT_TRUE(OnDisk("backup1.xml") && OnDisk("backup9.xml"));

    fs::remove(notes_);
    EXPECT_FALSE(Backup());
    EXPECT_EQ(backups_.GetCount(), 9);
    WriteBytes(notes_, "notes");
    EXPECT_FALSE(BackupData().CreateBackup(notes_)) << "no folder set";
    backups_.SetFolder(PathToWide(folder_ / "nowhere"));
    EXPECT_FALSE(Backup());
}

TEST_F(BackupDataTest, ABackupCutShortIsNeverListed) {
    WriteBytes(notes_, std::string(256 * 1024, 'n'));
    // A file size limit stops the process part way through the copy, as a
    // kill would.
    const auto backUpAndBeStopped = [this] {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 64 * 1024;
        setrlimit(RLIMIT_FSIZE, &limit);
        Backup();
    };
    EXPECT_EXIT(backUpAndBeStopped(), testing::KilledBySignal(SIGXFSZ), "");
    backups_.ScanBackups();
    EXPECT_EQ(backups_.GetCount(), 0);
}

TEST_F(BackupDataTest, SameSecondBackupsShareOneEntryButCountTwice) {
    backups_.SetFileTimeReader([](const fs::path&) { return TimeValue{5000}; });
    ASSERT_TRUE(Backup() && Backup());
    EXPECT_TRUE(OnDisk("backup1.xml") && OnDisk("backup2.xml"));
    EXPECT_EQ(backups_.GetCount(), 2);
    EXPECT_EQ(IndexedNames(), Names{u"backup2.xml"});
}

TEST_F(BackupDataTest, ScanIndexesOnlyBackupFilesAndPrunes) {
    for (const char* name : {"backup1.xml", "backup7.xml", "backup12.xml", "backupX.xml",
                             "notes.xml", "backup3.txt", "Backup4.xml"}) {
        WriteBytes(folder_ / "backup" / name, name);
    }
    fs::create_directory(folder_ / "backup" / "backup9.xml");
    const std::map<std::string, TimeValue> times = {
        {"backup1.xml", 40}, {"backup7.xml", 10}, {"backup12.xml", 30}, {"backupX.xml", 20}};
    backups_.SetFileTimeReader([&times](const fs::path& path) -> std::optional<TimeValue> {
        const auto it = times.find(path.filename().string());
        return it == times.end() ? std::nullopt : std::optional(it->second);
    });
    backups_.SetMaxKeep(3);
    backups_.ScanBackups();
    EXPECT_EQ(backups_.GetCount(), 3);
    EXPECT_EQ(IndexedNames(), (Names{u"backupX.xml", u"backup12.xml", u"backup1.xml"}));
    EXPECT_FALSE(OnDisk("backup7.xml"));
    EXPECT_TRUE(OnDisk("notes.xml") && OnDisk("Backup4.xml") && OnDisk("backup9.xml"));
}

// The owner's answer and the dialog's messages are the backup manager's tests.
TEST_F(BackupDataTest, RestoreLoadsTheIndexedFileThroughTheOwner) {
    ASSERT_TRUE(Backup());
    EXPECT_FALSE(backups_.RestoreBackup(1000)) << "no owner yet";
    backups_.SetOwner(this);
    EXPECT_FALSE(backups_.RestoreBackup(1001));
    EXPECT_TRUE(backups_.RestoreBackup(1000));
    EXPECT_EQ(restored_, std::vector{folder_ / "backup" / "backup1.xml"});
}

TEST_F(BackupDataTest, RealCreationTimeIndexesTheNewFile) {
    BackupData data;
    data.SetFolder(PathToWide(folder_ / "backup"));
    ASSERT_TRUE(data.CreateBackup(notes_));
    EXPECT_EQ(data.GetBackups(),
              (BackupData::Index{
                  {*FileCreationTime(folder_ / "backup" / "backup1.xml"), u"backup1.xml"}}));
    EXPECT_EQ(FileCreationTime(folder_ / "missing.xml"), std::nullopt);
}

TEST(BackupElementsTest, ValuesAreStoredOnlyWhileOn) {
    XMLElement parent(u"settings");
    AutoSaveData autoSave;
    autoSave.SetEnabled(false);
    autoSave.SaveToElement(parent);
    BackupData backup;
    backup.SetEnabled(false);
    backup.SaveToElement(parent);
    EXPECT_EQ(parent.FindChild(u"autosave")->FindChild(u"interval"), nullptr);
    EXPECT_EQ(parent.FindChild(u"backup")->FindChild(u"maxkeep"), nullptr);

    // Only the exact "true" is on, and an element that is off leaves the value.
    backup.LoadFromElement(test::Xml(u"<backup enabled=\"TRUE\"><maxkeep>1</maxkeep></backup>"));
    EXPECT_FALSE(backup.IsEnabled());
    EXPECT_EQ(backup.GetMaxKeep(), 5);
}

}  // namespace
}  // namespace vesk

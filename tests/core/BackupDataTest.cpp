#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "backup/AutoSaveData.h"
#include "backup/BackupData.h"
#include "backup/BackupList.h"
#include "backup/FileCreationTime.h"
#include "xml/XMLElement.h"

using namespace vesk;
using vesk::test::ReadBytes;
using vesk::test::TempDir;
using vesk::test::WriteBytes;
namespace fs = std::filesystem;

namespace {

class RecordingOwner : public BackupOwner {
public:
    bool LoadNotes(const fs::path& path) override {
        paths.push_back(path);
        return result;
    }
    std::vector<fs::path> paths;
    bool result = true;
};

class BackupDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        notes_ = folder_ / "notes.xml";
        WriteBytes(notes_, "notes v1");
        fs::create_directory(folder_ / "backup");
        backups_.SetFolder(PathToWide(folder_ / "backup"));
        // Every backup made gets the next second, so the index order is known.
        backups_.SetFileTimeReader([this](const fs::path&) { return clock_++; });
    }

    bool Backup() { return backups_.CreateBackup(notes_); }
    bool OnDisk(const std::string& name) const { return fs::exists(folder_ / "backup" / name); }
    std::vector<std::u16string> IndexedNames() const {
        std::vector<std::u16string> names;
        for (const auto& [time, name] : backups_.GetBackups()) names.push_back(name);
        return names;
    }

    TempDir folder_;
    fs::path notes_;
    BackupData backups_;
    TimeValue clock_ = 1000;
};

TEST_F(BackupDataTest, RotationDeletesTheOldestAndReusesItsName) {
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(Backup());
    EXPECT_EQ(ReadBytes(folder_ / "backup" / "backup1.xml"), "notes v1");
    EXPECT_EQ(backups_.GetCount(), 5);

    ASSERT_TRUE(Backup());
    EXPECT_TRUE(OnDisk("backup6.xml"));
    EXPECT_FALSE(OnDisk("backup1.xml"));
    EXPECT_EQ(backups_.GetCount(), 5);

    WriteBytes(notes_, "notes v2");
    ASSERT_TRUE(Backup());
    EXPECT_EQ(ReadBytes(folder_ / "backup" / "backup1.xml"), "notes v2");
    EXPECT_FALSE(OnDisk("backup2.xml"));
    EXPECT_EQ(IndexedNames(),
              (std::vector<std::u16string>{u"backup3.xml", u"backup4.xml", u"backup5.xml",
                                           u"backup6.xml", u"backup1.xml"}));
}

TEST_F(BackupDataTest, MaxKeepBelowOneKeepsEverything) {
    for (const int maxKeep : {0, -1}) {
        TempDir other;
        BackupData data;
        data.SetFolder(PathToWide(other.Path()));
        data.SetMaxKeep(maxKeep);
        data.SetFileTimeReader([this](const fs::path&) { return clock_++; });
        for (int i = 0; i < 8; ++i) ASSERT_TRUE(data.CreateBackup(notes_));
        EXPECT_EQ(data.GetCount(), 8) << maxKeep;
        EXPECT_TRUE(fs::exists(other / "backup1.xml")) << maxKeep;
        EXPECT_TRUE(fs::exists(other / "backup8.xml")) << maxKeep;
    }
}

TEST_F(BackupDataTest, NothingToCopyMakesNoBackup) {
    fs::remove(notes_);
    EXPECT_FALSE(Backup());
    EXPECT_EQ(backups_.GetCount(), 0);
    EXPECT_TRUE(fs::is_empty(folder_ / "backup"));

    BackupData unset;
    WriteBytes(notes_, "notes");
    EXPECT_FALSE(unset.CreateBackup(notes_));

    BackupData missingFolder;
    missingFolder.SetFolder(PathToWide(folder_ / "nowhere"));
    EXPECT_FALSE(missingFolder.CreateBackup(notes_));
}

TEST_F(BackupDataTest, SameSecondBackupsShareOneEntryButCountTwice) {
    backups_.SetFileTimeReader([](const fs::path&) { return TimeValue{5000}; });
    ASSERT_TRUE(Backup());
    ASSERT_TRUE(Backup());
    EXPECT_TRUE(OnDisk("backup1.xml"));
    EXPECT_TRUE(OnDisk("backup2.xml"));
    EXPECT_EQ(backups_.GetCount(), 2);
    EXPECT_EQ(IndexedNames(), std::vector<std::u16string>{u"backup2.xml"});
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
        if (it == times.end()) return std::nullopt;
        return it->second;
    });
    backups_.SetMaxKeep(3);
    backups_.ScanBackups();

    EXPECT_EQ(backups_.GetCount(), 3);
    EXPECT_EQ(IndexedNames(),
              (std::vector<std::u16string>{u"backupX.xml", u"backup12.xml", u"backup1.xml"}));
    EXPECT_FALSE(OnDisk("backup7.xml"));
    EXPECT_TRUE(OnDisk("notes.xml"));
    EXPECT_TRUE(OnDisk("Backup4.xml"));
    EXPECT_TRUE(OnDisk("backup9.xml"));
}

TEST_F(BackupDataTest, RestoreLoadsTheIndexedFileThroughTheOwner) {
    RecordingOwner owner;
    ASSERT_TRUE(Backup());
    EXPECT_FALSE(backups_.RestoreBackup(1000));  // no owner yet

    backups_.SetOwner(&owner);
    EXPECT_TRUE(backups_.RestoreBackup(1000));
    EXPECT_FALSE(backups_.RestoreBackup(1001));
    owner.result = false;
    EXPECT_FALSE(backups_.RestoreBackup(1000));
    ASSERT_EQ(owner.paths.size(), 2u);
    EXPECT_EQ(owner.paths[0], folder_ / "backup" / "backup1.xml");
}

TEST_F(BackupDataTest, RealCreationTimeIndexesTheNewFile) {
    BackupData data;
    data.SetFolder(PathToWide(folder_ / "backup"));
    ASSERT_TRUE(data.CreateBackup(notes_));
    ASSERT_EQ(data.GetBackups().size(), 1u);
    const TimeValue created = data.GetBackups().begin()->first;
    EXPECT_EQ(data.FindBackup(created), u"backup1.xml");
    EXPECT_EQ(FileCreationTime(folder_ / "backup" / "backup1.xml"), created);
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
    XMLElement shouting(u"backup");
    shouting.SetAttribute(u"enabled", u"TRUE");
    shouting.AddChild(u"maxkeep").SetText(u"1");
    BackupData read;
    read.LoadFromElement(shouting);
    EXPECT_FALSE(read.IsEnabled());
    EXPECT_EQ(read.GetMaxKeep(), 5);
}

class BackupListTest : public ::testing::Test {
protected:
    vesk::test::ScopedTimeZone utc_{"UTC"};
};

TEST_F(BackupListTest, ListsTimesOldestFirstOrSaysThereAreNone) {
    BackupData backup;
    EXPECT_EQ(BackupListTexts(backup), std::vector<std::u16string>{u"No backups found"});

    TempDir folder;
    WriteBytes(folder / "notes.xml", "n");
    backup.SetFolder(PathToWide(folder.Path()));
    TimeValue next = 1173895509;  // 2007-03-14 18:05:09 UTC
    backup.SetFileTimeReader([&next](const fs::path&) { return next--; });
    ASSERT_TRUE(backup.CreateBackup(folder / "notes.xml"));
    ASSERT_TRUE(backup.CreateBackup(folder / "notes.xml"));
    const std::vector<std::u16string> texts = BackupListTexts(backup);
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"2007-03-14 18:05:08", u"2007-03-14 18:05:09"}));
    EXPECT_EQ(backup.FindBackup(ParseBackupTime(texts[0])), u"backup2.xml");
    EXPECT_EQ(backup.FindBackup(ParseBackupTime(kNoBackupsFound)), u"");
}

}  // namespace

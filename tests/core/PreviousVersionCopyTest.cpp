#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "import/ImportReport.h"
#include "import/PreviousVersionCopy.h"

namespace vesk {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

class PreviousVersionCopyTest : public testing::Test {
protected:
    PreviousVersionCopyTest() {
        fs::create_directories(old_ / "archive");
        fs::create_directories(data_ / "archive");
    }

    test::TempDir dir_;
    fs::path old_ = dir_ / "vesk notes 3";
    fs::path data_ = dir_ / "vesk notes 4";
    PreviousVersionCopy copy_{old_, data_};
};

// Notes and settings copies that fail keep their reason, as the Import
// Helper's cases show.
TEST_F(PreviousVersionCopyTest, NoArchivedNoteIsReplacedAndFailedCopiesAreCountedApart) {
    // Archived notes whose names are taken get free ones; an untitled note
    // is named ".vesknote".
    for (const char* name : {"Plans.vesknote", ".vesknote", "readme.txt"}) {
        test::WriteBytes(old_ / "archive" / name, std::string("old ") + name);
        test::WriteBytes(data_ / "archive" / name, "newer");
    }
    test::WriteBytes(data_ / "archive" / "Plans (2).vesknote", "newer");
    EXPECT_TRUE(copy_.CopyArchive());
    EXPECT_EQ(copy_.Copies().archived, 2);
    EXPECT_EQ(Names(data_ / "archive"),
              (std::vector<std::string>{" (2).vesknote", ".vesknote", "Plans (2).vesknote",
                                        "Plans (3).vesknote", "Plans.vesknote", "readme.txt"}));
    EXPECT_EQ(test::ReadBytes(data_ / "archive" / "Plans (3).vesknote"), "old Plans.vesknote");
    EXPECT_EQ(test::ReadBytes(data_ / "archive" / "Plans.vesknote"), "newer");

    fs::remove_all(data_ / "archive");
    test::WriteBytes(data_ / "archive", "a file where the folder should be");
    EXPECT_FALSE(copy_.CopyArchive());
    EXPECT_EQ(copy_.Copies().archived, 2);
    EXPECT_EQ(copy_.Copies().archiveFailures, 2);
}

TEST(ImportReportTest, EveryPartSaysHowItWent) {
    ImportCopies copies;
    copies.notes = copies.settings = true;
    copies.archived = 3;
    EXPECT_EQ(ImportResultText(copies, false),
              "Import complete! Here are the results:\nSettings import was successful.\n"
              "Notes could not be imported. Default notes used.\n3 archived note(s) imported\n");
    copies = {};
    copies.notesFailure = "File exists";
    copies.settingsFailure = "Permission denied";
    copies.archiveFailures = 2;
    copies.logInEntryFailed = true;
    EXPECT_EQ(ImportResultText(copies, false),
              "Import finished, but not everything could be copied. Here are the results:\n"
              "Settings could not be copied (Permission denied). Default settings used.\n"
              "Notes could not be copied (File exists). Default notes used.\n"
              "0 archived note(s) imported\n2 archived note(s) could not be copied\n"
              "vesk notes 4 could not be set to start when you log in.\n");
}

}  // namespace
}  // namespace vesk

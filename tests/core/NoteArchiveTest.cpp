#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "PreviousVersionText.h"
#include "TestSupport.h"
#include "notes/MessageNoteData.h"
#include "notes/NoteArchive.h"
#include "notes/PictureNoteData.h"

namespace vesk {
namespace {

class NoteArchiveTest : public testing::Test {
protected:
    NoteArchiveTest() { archive_.SetFolder(folder_.Path()); }

    bool Archive(const std::u16string& title, const std::u16string& text = u"") {
        MessageNoteData note;
        note.SetTitle(title);
        note.SetText(text);
        return archive_.Add(note);
    }
    std::vector<std::string> FileNames() const {
        std::vector<std::string> names;
        for (const auto& file : std::filesystem::directory_iterator(folder_.Path())) {
            names.push_back(file.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::u16string TitleOf(const std::string& name) {
        const NoteData* note = archive_.GetNote(folder_ / name);
        return note != nullptr ? note->GetTitle() : u"(none)";
    }
    // Puts a different note under an archived note's name.
    void Replace(const std::string& name, const std::u16string& title) {
        MessageNoteData note;
        note.SetTitle(title);
        ASSERT_TRUE(note.SaveToFile(folder_ / name));
    }

    test::TempDir folder_;
    NoteArchive archive_{[] { return 24; }};
};

TEST_F(NoteArchiveTest, FileNamesComeFromTheTitleAndAreNumberedApart) {
    for (const auto& [length, kept] : {std::pair{40, 31}, {33, 31}, {32, 32}}) {
        EXPECT_EQ(NoteArchive::BaseName(std::u16string(length, u'a')), std::u16string(kept, u'a'));
    }
    EXPECT_EQ(NoteArchive::BaseName(u"a.b;c,d:e*f<g>h/i+j=k[l]m\\n"),
              u"a_b_c_d_e_f_g_h_i_j_k_l_m_n");
    EXPECT_EQ(NoteArchive::BaseName(u"Why?\"Me\"|\t\n\x7f! Caf\u00e9 & ~co'"),
              u"Why__Me_____! Caf\u00e9 & ~co'");

    for (const char16_t* title : {u"", u"", u"Shopping: today", u"Shopping: today",
                                  u"Shopping; today", u"What? \"Now\" | later"}) {
        EXPECT_TRUE(Archive(title));
    }
    EXPECT_EQ(FileNames(),
              (std::vector<std::string>{".vesknote", "1.vesknote", "Shopping_ today.vesknote",
                                        "Shopping_ today1.vesknote", "Shopping_ today2.vesknote",
                                        "What_ _Now_ _ later.vesknote"}));
    EXPECT_EQ(TitleOf("Shopping_ today2.vesknote"), u"Shopping; today");
}

TEST_F(NoteArchiveTest, AddFailsWithoutAFolderAndKeepsTheNoteShaded) {
    MessageNoteData note;
    note.SetShaded(true);
    for (const std::filesystem::path& folder : {folder_ / "missing", std::filesystem::path()}) {
        archive_.SetFolder(folder);
        EXPECT_FALSE(archive_.Add(note));
        EXPECT_TRUE(note.IsShaded());
    }
    archive_.SetFolder(folder_.Path());
    ASSERT_TRUE(archive_.Add(note));
    const NoteData* archived = archive_.GetNote(folder_ / ".vesknote");
    ASSERT_NE(archived, nullptr);
    EXPECT_FALSE(archived->IsShaded());
}

TEST_F(NoteArchiveTest, RefreshListsOnlyReadableNotes) {
    PictureNoteData picture;
    picture.SetTitle(u"Holiday");
    ASSERT_TRUE(picture.SaveToFile(folder_ / "b picture.vesknote"));
    ASSERT_TRUE(picture.SaveToFile(folder_ / "k other.xml"));
    const test::PreviousRecord old{.title = "Old \xe9", .kind = "2"};
    const std::pair<const char*, std::string> files[] = {
        {"c old.VESKNOTE", test::PreviousNoteFile(old, "3.5")},
        {"a newer.vesknote", test::PreviousNoteFile(old, "4")},
        {"e too old.vesknote", test::PreviousNoteFile(old, "2.9")},
        // The summary takes kinds below 5 only.
        {"d old picture.vesknote", test::PreviousNoteFile({.kind = "5"})},
        {"f settings.vesknote", test::Utf16XmlFile(u"<settings type=\"message\"/>")},
        {"g memo.vesknote", test::Utf16XmlFile(u"<vesknote type=\"memo\"/>")},
        {"h junk.vesknote", "junk"},
        {"i empty.vesknote", ""},
    };
    for (const auto& [name, bytes] : files) test::WriteBytes(folder_ / name, bytes);
    std::filesystem::create_directory(folder_ / "j folder.vesknote");

    const auto before = std::chrono::system_clock::now();
    ASSERT_TRUE(archive_.Refresh());
    std::vector<std::tuple<std::string, std::int32_t, std::u16string>> listed;
    for (const ArchiveEntry& entry : archive_.GetEntries()) {
        listed.emplace_back(entry.path.filename().string(), entry.kind, entry.title);
        const auto modified = std::chrono::system_clock::from_time_t(entry.fileTime);
        EXPECT_LT(std::chrono::abs(modified - before), std::chrono::hours(1));
    }
    EXPECT_EQ(listed, (std::vector<std::tuple<std::string, std::int32_t, std::u16string>>{
                          {"a newer.vesknote", 2, u"Old \u00e9"},
                          {"b picture.vesknote", 5, u"Holiday"},
                          {"c old.VESKNOTE", 2, u"Old \u00e9"}}));

    std::filesystem::remove_all(folder_.Path());
    EXPECT_TRUE(archive_.Refresh() && archive_.GetEntries().empty());
}

TEST_F(NoteArchiveTest, CacheKeepsTheFiveMostRecentlyUsed) {
    for (char c = '1'; c <= '6'; ++c) ASSERT_TRUE(Archive(std::u16string(1, c)));
    // Loading the sixth evicts the first.
    for (char c = '1'; c <= '6'; ++c) {
        EXPECT_EQ(TitleOf(std::string(1, c) + ".vesknote"), std::u16string(1, c));
        Replace(std::string(1, c) + ".vesknote", u"new");
    }
    EXPECT_EQ(TitleOf("2.vesknote"), u"2");
    EXPECT_EQ(TitleOf("1.vesknote"), u"new");
    // 1 evicted 3, the least recently used; 2 was used again.
    EXPECT_EQ(TitleOf("2.vesknote"), u"2");
    EXPECT_EQ(TitleOf("3.vesknote"), u"new");

    // What cannot be read is not cached.
    test::WriteBytes(folder_ / "junk.vesknote", "junk");
    EXPECT_EQ(TitleOf("junk.vesknote"), u"(none)");
    Replace("junk.vesknote", u"Fixed");
    EXPECT_EQ(TitleOf("junk.vesknote"), u"Fixed");
}

TEST_F(NoteArchiveTest, DeleteRemovesFileEntryAndCachedRecord) {
    ASSERT_TRUE(Archive(u"Plans", u"old plans"));
    ASSERT_TRUE(Archive(u"Ideas"));
    ASSERT_TRUE(archive_.Refresh());
    const ArchiveEntry copy = archive_.GetEntries().front();
    EXPECT_FALSE(archive_.Delete(copy)) << "only entries of the list itself";

    const ArchiveEntry& ideas = archive_.GetEntries().front();
    const ArchiveEntry& plans = archive_.GetEntries().back();
    ASSERT_NE(archive_.GetNote(plans.path), nullptr);
    EXPECT_TRUE(archive_.Delete(plans));
    EXPECT_EQ(FileNames(), std::vector<std::string>{"Ideas.vesknote"});
    ASSERT_EQ(archive_.GetEntries().size(), 1u);
    EXPECT_EQ(&archive_.GetEntries().front(), &ideas);

    ASSERT_TRUE(Archive(u"Plans", u"new plans"));
    const auto* again =
        dynamic_cast<const MessageNoteData*>(archive_.GetNote(folder_ / "Plans.vesknote"));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetText(), u"new plans");
}

}  // namespace
}  // namespace vesk

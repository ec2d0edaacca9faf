#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestSupport.h"
#include "notes/MessageNoteData.h"
#include "notes/NoteFile.h"
#include "notes/ScribbleNoteData.h"

namespace vesk {
namespace {

constexpr int kTitleBarHeight = 24;
const std::string kBom = "\xff\xfe";

class NoteFileTest : public testing::Test {
protected:
    std::unique_ptr<NoteData> LoadBytes(const std::string& bytes, bool skipXml = false) {
        const auto path = folder_ / "note.vesknote";
        test::WriteBytes(path, bytes);
        return LoadNoteFile(path, skipXml, kTitleBarHeight);
    }
    std::unique_ptr<NoteData> LoadXml(std::u16string_view xml, bool skipXml = false) {
        return LoadBytes(kBom + test::Utf16Bytes(xml), skipXml);
    }

    test::TempDir folder_;
};

TEST_F(NoteFileTest, OnlyAVesknoteRootOfAKnownTypeLoads) {
    auto note = LoadXml(
        u"<vesknote type=\"message\"><content><message><![CDATA[hi]]>"
        u"</message></content></vesknote>");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(dynamic_cast<MessageNoteData&>(*note).GetText(), u"hi");

    EXPECT_EQ(LoadXml(u"<note type=\"message\"/>"), nullptr);
    EXPECT_EQ(LoadXml(u"<vesknote type=\"memo\"/>"), nullptr);
    EXPECT_EQ(LoadXml(u"<vesknote/>"), nullptr);
    // A good XML note is not a previous-version note.
    EXPECT_EQ(LoadXml(u"<vesknote type=\"message\"/>", true), nullptr);
    EXPECT_EQ(LoadNoteFile(folder_ / "missing.vesknote", false, kTitleBarHeight), nullptr);
    EXPECT_EQ(LoadNoteFile(folder_.Path(), false, kTitleBarHeight), nullptr);
}

TEST_F(NoteFileTest, PreviousVersionFilesAreReadWhenTheXmlStepDoesNotApply) {
    const std::string record =
        "\r\nOld note\r\n0\r\n0\r\n0 0\r\n1\r\nhello\r\n0 0 200 200\r\n0 0 0\r\n0 \xc8\r\n"
        "0 0 0 0 0 0 0 0 0 0 0 0\r\nArial\r\n16 0 0\r\n";
    for (const char* version : {"3", "3.0", " 3.00"}) {
        for (bool skipXml : {false, true}) {
            auto note = LoadBytes(version + record, skipXml);
            ASSERT_NE(note, nullptr) << version;
            EXPECT_EQ(note->GetTitle(), u"Old note");
            EXPECT_EQ(dynamic_cast<MessageNoteData&>(*note).GetText(), u"hello");
        }
    }
    for (const char* version : {"4", "2.99", "-1", "x3", ""}) {
        EXPECT_EQ(LoadBytes(version + record), nullptr) << version;
    }
}

TEST_F(NoteFileTest, CraftedFilesLoadSafely) {
    // A drawing too large to hold in memory is dropped; the note stays.
    auto note = LoadXml(
        u"<vesknote type=\"scribble\"><content><image width=\"2147483647\" height=\"2147483647\">"
        u"<imagedata><![CDATA[ 7fffffff00]]></imagedata></image></content>"
        u"<title><![CDATA[big]]></title></vesknote>");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetTitle(), u"big");
    EXPECT_EQ(dynamic_cast<ScribbleNoteData&>(*note).GetImage(), nullptr);

    // Broken XML that is not a previous-version file either.
    EXPECT_EQ(LoadXml(u"<vesknote type=\"message\"><content>"), nullptr);
    EXPECT_EQ(LoadBytes(std::string(1 << 16, '\0')), nullptr);
    EXPECT_EQ(LoadBytes("3"), nullptr);
    EXPECT_EQ(LoadBytes("3\n\n1\n0\n0 0\n4294967295\n"), nullptr);
    EXPECT_EQ(LoadBytes("3\n\n1\n1\n0 0 65535 -1\n0\n0 0 300 300\n0 0 0 0 \x01\n"
                        "0 0 0 0 0 0 0 0 0 0 0 0\nArial\n16 0 0\n\x01 5 5 5"),
              nullptr);
}

}  // namespace
}  // namespace vesk

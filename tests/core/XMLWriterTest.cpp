#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TestSupport.h"
#include "xml/XMLDocument.h"

namespace vesk {
namespace {

using test::ReadBytes;
using test::TempDir;

TEST(XMLWriter, WritesTheExactLayout) {
    XMLDocument document;
    XMLElement& root = document.CreateRoot(u"notecollection");
    root.SetAttribute(u"version", u"4.00");
    root.AddChild(u"active");
    XMLElement& waste = root.AddChild(u"wastebasket");
    XMLElement& p = waste.AddChild(u"p", true, false);
    p.SetAttribute(u"y", u"2");
    p.SetAttribute(u"x", u"1");
    waste.AddChild(u"t", false, true).SetText(u"hi");

    TempDir dir;
    ASSERT_TRUE(document.Save(dir / "notes.xml"));
    const std::string bytes = ReadBytes(dir / "notes.xml");
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE\x3C\x00", 4));
    EXPECT_EQ(bytes, test::Utf16XmlFile(u"<notecollection version=\"4.00\">\n"
                                        u"\t<active></active>\n"
                                        u"\t<wastebasket>\n"
                                        u"\t\t<p x=\"1\" y=\"2\"/>\n"
                                        u"\t\t<t><![CDATA[hi]]></t>\n"
                                        u"\t</wastebasket>\n"
                                        u"</notecollection>"));
}

TEST(XMLWriter, SelfClosingDropsContentAndEmptyCdataStaysASection) {
    XMLDocument document;
    XMLElement& root = document.CreateRoot(u"r");
    XMLElement& closed = root.AddChild(u"a", true, false);
    closed.SetText(u"lost");
    closed.AddChild(u"lost");
    root.AddChild(u"b", false, true);
    root.AddChild(u"c", false, true).SetText(u"x\ny");
    EXPECT_EQ(document.ToBytes(), test::Utf16XmlFile(u"<r>\n\t<a/>\n\t<b><![CDATA[]]></b>\n"
                                                     u"\t<c><![CDATA[x\ny]]></c>\n</r>"));
}

TEST(XMLWriter, MarkupInValuesIsEscapedAndCdataIsSplit) {
    XMLDocument document;
    XMLElement& root = document.CreateRoot(u"r");
    root.SetAttribute(u"a", u"<&\">\t\n");
    root.AddChild(u"p").SetText(u"1 < 2 & 3 > \"x\"");
    root.AddChild(u"q", false, true).SetText(u"a]]>b");
    EXPECT_EQ(document.ToBytes(),
              test::Utf16XmlFile(u"<r a=\"&lt;&amp;&quot;&gt;&#9;&#10;\">\n"
                                 u"\t<p>1 &lt; 2 &amp; 3 &gt; \"x\"</p>\n"
                                 u"\t<q><![CDATA[a]]]]><![CDATA[>b]]></q>\n</r>"));
}

TEST(XMLWriter, CharactersXmlCannotCarryBecomeReplacementCharacters) {
    XMLDocument document;
    XMLElement& root = document.CreateRoot(u"r");
    const std::u16string odd = {u'a', 0x01, 0x1F, 0xFFFE, 0xFFFF, 0xD800, u'b', 0xDC00, u'c'};
    root.SetText(odd);
    EXPECT_EQ(document.ToBytes(),
              test::Utf16XmlFile(u"<r>a\uFFFD\uFFFD\uFFFD\uFFFD\uFFFDb\uFFFDc</r>"));
}

TEST(XMLWriter, SaveWithoutRootFailsAndKeepsTheOldFile) {
    TempDir dir;
    test::WriteBytes(dir / "notes.xml", "old bytes");
    XMLDocument empty;
    EXPECT_FALSE(empty.Save(dir / "notes.xml"));
    EXPECT_EQ(ReadBytes(dir / "notes.xml"), "old bytes");
}

TEST(XMLWriter, FailedSaveLeavesTheOldFileWholeAndNoTemporaryBehind) {
    XMLDocument document;
    document.CreateRoot(u"r");
    TempDir dir;
    EXPECT_FALSE(document.Save(dir / "missing" / "notes.xml"));

    // A folder we cannot write into: the rename can never happen.
    if (::geteuid() != 0) {
        test::WriteBytes(dir / "notes.xml", "old bytes");
        ::chmod(dir.Path().c_str(), 0500);
        EXPECT_FALSE(document.Save(dir / "notes.xml"));
        ::chmod(dir.Path().c_str(), 0700);
        EXPECT_EQ(ReadBytes(dir / "notes.xml"), "old bytes");
    }
    // A target that is a folder cannot be replaced by a file.
    std::filesystem::create_directory(dir / "folder.xml");
    EXPECT_FALSE(document.Save(dir / "folder.xml"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.xml"));

    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, std::filesystem::exists(dir / "notes.xml") ? 2u : 1u);
}

TEST(XMLWriter, SaveReplacesAnExistingFile) {
    TempDir dir;
    test::WriteBytes(dir / "notes.xml", std::string(100000, 'x'));
    XMLDocument document;
    document.CreateRoot(u"r");
    ASSERT_TRUE(document.Save(dir / "notes.xml"));
    EXPECT_EQ(ReadBytes(dir / "notes.xml"), test::Utf16XmlFile(u"<r></r>"));
}

}  // namespace
}  // namespace vesk

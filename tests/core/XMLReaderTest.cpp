#include <gtest/gtest.h>

#include "TestSupport.h"
#include "xml/XMLDocument.h"

namespace vesk {
namespace {

using test::TempDir;

TEST(XMLReader, RootWithAttributesOnly) {
    XMLDocument document;
    ASSERT_TRUE(
        document.LoadFromBytes(test::Utf16XmlFile(u"<settings version=\"4.00\" a=\"x\"/>")));
    const XMLElement* root = document.GetRoot();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetName(), u"settings");
    EXPECT_EQ(root->GetAttribute(u"version"), u"4.00");
    EXPECT_EQ(root->GetAttribute(u"a"), u"x");
    EXPECT_EQ(root->GetText(), u"");
    EXPECT_TRUE(root->Children().empty());
}

TEST(XMLReader, CdataKeepsItsLinesAndLoneLineFeedsAreDropped) {
    XMLDocument document;
    ASSERT_TRUE(document.LoadFromBytes(
        test::Utf16XmlFile(u"<a>\n\t<b><![CDATA[first\nsecond]]></b>\n</a>")));
    const XMLElement* b = document.GetRoot()->FindChild(u"b");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GetText(), u"first\nsecond");

    // A line feed inside one run is text, even where expat splits the run.
    ASSERT_TRUE(document.LoadFromBytes(test::Utf16XmlFile(u"<a><![CDATA[\n]]>x\n\ny</a>")));
    EXPECT_EQ(document.GetRoot()->GetText(), u"\nx\n\ny");
    ASSERT_TRUE(document.LoadFromBytes(test::Utf16XmlFile(u"<a>one\r\ntwo</a>")));
    EXPECT_EQ(document.GetRoot()->GetText(), u"one\ntwo");
}

TEST(XMLReader, TheLaterRunReplacesTheEarlier) {
    XMLDocument document;
    ASSERT_TRUE(document.LoadFromBytes(test::Utf16XmlFile(u"<a>one<b/>two</a>")));
    EXPECT_EQ(document.GetRoot()->GetText(), u"two");
}

TEST(XMLReader, LongNamesAndValuesAreCutButTextIsWhole) {
    const std::u16string longValue(20000, u'v');
    std::u16string longName(20000, u'n');
    XMLDocument document;
    ASSERT_TRUE(document.LoadFromBytes(test::Utf16XmlFile(u"<r a=\"" + longValue + u"\"><" +
                                                          longName + u"><![CDATA[" + longValue +
                                                          u"]]></" + longName + u"></r>")));
    const XMLElement* root = document.GetRoot();
    EXPECT_EQ(root->GetAttribute(u"a"), longValue.substr(0, 10027));
    ASSERT_EQ(root->Children().size(), 1u);
    EXPECT_EQ(root->Children().begin()->first, longName.substr(0, 10027));
    EXPECT_EQ(root->Children().begin()->second->GetText(), longValue);
}

TEST(XMLReader, MalformedInputFails) {
    const std::string cases[] = {
        "",
        std::string("\xFF\xFE", 2),
        test::Utf16XmlFile(u""),
        test::Utf16XmlFile(u"<a><b></b>"),      // truncated
        test::Utf16XmlFile(u"<a></a><b></b>"),  // second root
        test::Utf16XmlFile(u"<a></b>"),         // mismatched end tag
        test::Utf16XmlFile(u"<a></a></a>"),     // extra end tag
        test::Utf16XmlFile(u"text<a></a>"),     // text outside the root
        test::Utf16XmlFile(u"<a></a>text"),
        test::Utf16XmlFile(u"<a x=\"1\" x=\"2\"/>"),  // repeated attribute
        "\x89PNG\r\n\x1a\n\x00\x00garbage",           // not UTF-16 and not XML
        std::string("\xFF\xFE<\x00", 3),              // cut inside a character
    };
    for (const std::string& bytes : cases) {
        XMLDocument document;
        EXPECT_FALSE(document.LoadFromBytes(bytes)) << "input of " << bytes.size() << " bytes";
    }
}

TEST(XMLReader, AbsurdNestingIsRefusedRatherThanOverflowingTheStack) {
    std::u16string deep;
    for (int i = 0; i < 100000; ++i) deep += u"<d>";
    XMLDocument document;
    EXPECT_FALSE(document.LoadFromBytes(test::Utf16XmlFile(u"<r>" + deep)));

    std::u16string fine;
    for (int i = 0; i < 900; ++i) fine += u"<d>";
    for (int i = 0; i < 900; ++i) fine += u"</d>";
    EXPECT_TRUE(document.LoadFromBytes(test::Utf16XmlFile(u"<r>" + fine + u"</r>")));
}

TEST(XMLReader, LoadReplacesAnEarlierTree) {
    XMLDocument document;
    document.CreateRoot(u"old").AddChild(u"child");
    ASSERT_TRUE(document.LoadFromBytes(test::Utf16XmlFile(u"<new/>")));
    EXPECT_EQ(document.GetRoot()->GetName(), u"new");
}

TEST(XMLReader, MissingAndEmptyFilesFail) {
    TempDir dir;
    XMLDocument document;
    EXPECT_FALSE(document.Load(dir / "missing.xml"));
    test::WriteBytes(dir / "empty.xml", "");
    EXPECT_FALSE(document.Load(dir / "empty.xml"));
    EXPECT_FALSE(document.Load(dir.Path()));
}

TEST(XMLRoundTrip, HostileStringsComeBackUnchanged) {
    const std::u16string strings[] = {
        u"<tag attr=\"x\">&amp;</tag>",
        u"a]]>b]]]]>c]]>",
        u"]]>",
        u"tab\tline\nreturn\rboth\r\n",
        u"emoji \U0001F600 and \u00e9\u4e2d",
        u"  leading and trailing  ",
        std::u16string(20000, u'x') + u"&<>\"",
    };
    for (const std::u16string& s : strings) {
        XMLDocument document;
        XMLElement& root = document.CreateRoot(u"r");
        root.SetAttribute(u"value", s.substr(0, 10027));
        root.AddChild(u"plain").SetText(s);
        root.AddChild(u"cdata", false, true).SetText(s);

        TempDir dir;
        ASSERT_TRUE(document.Save(dir / "f.xml"));
        XMLDocument loaded;
        ASSERT_TRUE(loaded.Load(dir / "f.xml"));
        EXPECT_EQ(loaded.GetRoot()->GetAttribute(u"value"), s.substr(0, 10027));
        EXPECT_EQ(loaded.GetRoot()->FindChild(u"plain")->GetText(), s);
        EXPECT_EQ(loaded.GetRoot()->FindChild(u"cdata")->GetText(), s);
    }
}

TEST(XMLRoundTrip, ControlCharactersNeverMakeTheFileUnreadable) {
    std::u16string s;
    for (char16_t c = 0; c < 0x20; ++c) s.push_back(c);
    s += {0xD800, 0xFFFE, 0xFFFF, 0xDFFF};
    XMLDocument document;
    document.CreateRoot(u"r").AddChild(u"c", false, true).SetText(s);
    document.GetRoot()->SetAttribute(u"a", s);
    XMLDocument loaded;
    ASSERT_TRUE(loaded.LoadFromBytes(document.ToBytes()));
    const std::u16string& text = loaded.GetRoot()->FindChild(u"c")->GetText();
    ASSERT_EQ(text.size(), s.size());
    EXPECT_EQ(text[u'\t'], u'\t');
    EXPECT_EQ(text[0], 0xFFFD);
    EXPECT_EQ(text.back(), 0xFFFD);
}

TEST(XMLRoundTrip, StructureAndOrderSurvive) {
    XMLDocument document;
    XMLElement& root = document.CreateRoot(u"vesknote");
    root.SetAttribute(u"type", u"message");
    root.AddChild(u"title", false, true).SetText(u"t");
    XMLElement& desktop = root.AddChild(u"desktop");
    desktop.AddChild(u"size", true, false).SetAttribute(u"width", u"200");
    root.AddChild(u"appearence").SetAttribute(u"alpha", u"200");

    XMLDocument loaded;
    ASSERT_TRUE(loaded.LoadFromBytes(document.ToBytes()));
    std::vector<std::u16string> names;
    for (const auto& child : loaded.GetRoot()->Children()) names.push_back(child.first);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"appearence", u"desktop", u"title"}));
    const XMLElement* size = loaded.GetRoot()->FindChild(u"desktop")->FindChild(u"size");
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->GetAttribute(u"width"), u"200");
    EXPECT_FALSE(size->IsSelfClosing()) << "flags are not stored in the file";
}

}  // namespace
}  // namespace vesk

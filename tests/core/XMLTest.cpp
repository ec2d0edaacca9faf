#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include "TestSupport.h"
#include "xml/TextForms.h"
#include "xml/XMLDocument.h"

namespace vesk {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::Utf16XmlFile;

TEST(XMLTree, ChildrenAndAttributesAreInNameOrderAsBuiltOrRead) {
    XMLElement built(u"r");
    for (const auto& [name, text] : {std::pair{u"b", u"1"}, {u"a", u"2"}, {u"b", u"3"}}) {
        built.AddChild(name).SetText(text);
    }
    built.SetAttribute(u"y", u"old");
    built.SetAttribute(u"x", u"1");
    built.SetAttribute(u"y", u"2");
    XMLDocument read;
    ASSERT_TRUE(
        read.LoadFromBytes(Utf16XmlFile(u"<r y=\"2\" x=\"1\"><b>1</b><a>2</a><b>3</b></r>")));
    for (const XMLElement* root : {&std::as_const(built), std::as_const(read).GetRoot()}) {
        std::u16string order;
        for (const XMLElement* child : root->Children()) {
            order += std::u16string(child->GetName()) + std::u16string(child->GetText());
        }
        EXPECT_EQ(order, u"a2b1b3");
        const XMLElement::ChildRange bs = root->FindChildren(u"b");
        ASSERT_EQ(bs.size(), 2u);
        EXPECT_EQ(bs[1]->GetText(), u"3");
        EXPECT_EQ(root->FindChild(u"b")->GetText(), u"1");
        EXPECT_TRUE(root->FindChildren(u"c").empty());
        ASSERT_EQ(root->Attributes().size(), 2u);
        EXPECT_EQ(root->Attributes()[0].name, u"x");
        EXPECT_EQ(root->GetAttribute(u"y"), u"2");
        EXPECT_EQ(root->GetAttribute(u"z"), u"");
        EXPECT_FALSE(root->HasAttribute(u"z"));
    }
}

TEST(XMLTree, WhatItHandsOutStaysValidAsItGrowsAndLargeTreesRoundTrip) {
    XMLDocument document;
    document.CreateRoot(u"old").AddChild(u"gone");
    XMLElement& root = document.CreateRoot(u"r");
    XMLElement& first = root.AddChild(u"n");
    const std::u16string_view name = first.GetName();
    first.SetText(std::u16string(100000, u'x'));
    for (int i = 0; i < 10000; ++i) {
        root.AddChild(u"n" + IntToText(i % 7)).SetAttribute(u"i", IntToText(i));
    }
    EXPECT_EQ(name, u"n");
    EXPECT_EQ(document.GetRoot()->GetName(), u"r");

    XMLDocument loaded;
    ASSERT_TRUE(loaded.LoadFromBytes(document.ToBytes()));
    for (const XMLElement* tree :
         {std::as_const(document).GetRoot(), std::as_const(loaded).GetRoot()}) {
        ASSERT_EQ(tree->Children().size(), 10001u);
        EXPECT_EQ(tree->Children()[0]->GetText(), std::u16string(100000, u'x'));
        EXPECT_EQ(tree->FindChildren(u"n3").back()->GetAttribute(u"i"), u"9999");
    }
}

TEST(XMLReader, TextRuns) {
    // A lone line feed is the writer's line break; a later run replaces the
    // earlier; a line feed inside one run is text even where expat splits it.
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"<a><![CDATA[first\nsecond]]></a>", u"first\nsecond"},
        {u"<a>two<b/>\n</a>", u"two"},
        {u"<a>one<b/>two</a>", u"two"},
        {u"<a><![CDATA[\n]]>x\n\ny</a>", u"\nx\n\ny"},
        {u"<a>one\r\ntwo</a>", u"one\ntwo"},
    };
    XMLDocument document;  // each load replaces the tree before
    for (const auto& [body, text] : cases) {
        ASSERT_TRUE(document.LoadFromBytes(Utf16XmlFile(body)));
        EXPECT_EQ(document.GetRoot()->GetText(), text);
    }
}

TEST(XMLReader, LongNamesAndValuesAreCutButTextIsWhole) {
    const std::u16string longValue(20000, u'v');
    const std::u16string longName(20000, u'n');
    XMLDocument document;
    ASSERT_TRUE(document.LoadFromBytes(Utf16XmlFile(u"<r a=\"" + longValue + u"\"><" + longName +
                                                    u"><![CDATA[" + longValue + u"]]></" +
                                                    longName + u"></r>")));
    const XMLElement* root = document.GetRoot();
    EXPECT_EQ(root->GetAttribute(u"a"), longValue.substr(0, 10027));
    ASSERT_EQ(root->Children().size(), 1u);
    EXPECT_EQ(root->Children()[0]->GetName(), longName.substr(0, 10027));
    EXPECT_EQ(root->Children()[0]->GetText(), longValue);
}

TEST(XMLReader, MalformedMissingOrDeepInputFails) {
    std::u16string deep;
    for (int i = 0; i < 100000; ++i) deep += u"<d>";
    const std::string cases[] = {
        "",
        std::string("\xFF\xFE", 2),
        Utf16XmlFile(u""),
        Utf16XmlFile(u"<a><b></b>"),            // truncated
        Utf16XmlFile(u"<a></a><b></b>"),        // second root
        Utf16XmlFile(u"<a></b>"),               // mismatched end tag
        Utf16XmlFile(u"<a></a></a>"),           // extra end tag
        Utf16XmlFile(u"<a></a>text"),           // text outside the root
        Utf16XmlFile(u"<a x=\"1\" x=\"2\"/>"),  // repeated attribute
        "\x89PNG\r\n\x1a\n\x00\x00garbage",     // not UTF-16 and not XML
        std::string("\xFF\xFE<\x00", 3),        // cut inside a character
        Utf16XmlFile(u"<r>" + deep),            // would overflow the stack
    };
    for (const std::string& bytes : cases) {
        XMLDocument document;
        EXPECT_FALSE(document.LoadFromBytes(bytes)) << "input of " << bytes.size() << " bytes";
    }
    std::u16string fine;
    for (int i = 0; i < 900; ++i) fine = u"<d>" + fine + u"</d>";
    XMLDocument document;
    EXPECT_TRUE(document.LoadFromBytes(Utf16XmlFile(u"<r>" + fine + u"</r>")));

    TempDir dir;
    EXPECT_FALSE(document.Load(dir / "missing.xml"));
    EXPECT_FALSE(document.Load(dir.Path()));
}

TEST(XMLWriter, WritesTheExactLayout) {
    XMLDocument document;
    XMLElement& root = document.CreateRoot(u"notecollection");
    root.SetAttribute(u"version", u"4.00");
    root.AddChild(u"active");
    XMLElement& waste = root.AddChild(u"wastebasket");
    XMLElement& p = waste.AddChild(u"p", true, false);
    p.SetAttribute(u"y", u"2");
    p.SetAttribute(u"x", u"1");
    p.SetText(u"lost");  // a self-closing element has no content
    p.AddChild(u"lost");
    waste.AddChild(u"t", false, true).SetText(u"hi\nthere");
    waste.AddChild(u"u", false, true);
    EXPECT_EQ(document.ToBytes(), Utf16XmlFile(u"<notecollection version=\"4.00\">\n"
                                               u"\t<active></active>\n"
                                               u"\t<wastebasket>\n"
                                               u"\t\t<p x=\"1\" y=\"2\"/>\n"
                                               u"\t\t<t><![CDATA[hi\nthere]]></t>\n"
                                               u"\t\t<u><![CDATA[]]></u>\n"
                                               u"\t</wastebasket>\n"
                                               u"</notecollection>"));
}

// Escaped and read back, what the writer keeps comes back unchanged.
TEST(XMLWriter, EscapesMarkupSplitsCdataAndReplacesWhatXmlCannotCarry) {
    XMLDocument document;
    XMLElement& root = document.CreateRoot(u"r");
    // Every context replaces what XML cannot carry, surrogates cut from their
    // pair too.
    const std::u16string odd{u'a', 0x01, 0x1F, 0xFFFE, 0xFFFF, 0xD800, u'b', 0xDC00, u'c'};
    root.SetAttribute(u"a", u"<&\">\t\n\r");
    root.SetAttribute(u"b", odd);
    root.AddChild(u"p").SetText(u" 1 < 2 & 3 > \"x\" \U0001F600 ");
    root.AddChild(u"q", false, true).SetText(u"a]]>b\t\r" + odd);
    root.AddChild(u"s").SetText(odd);
    const std::u16string kept = u"a\uFFFD\uFFFD\uFFFD\uFFFD\uFFFDb\uFFFDc";
    EXPECT_EQ(document.ToBytes(),
              Utf16XmlFile(u"<r a=\"&lt;&amp;&quot;&gt;&#9;&#10;&#13;\" b=\"" + kept + u"\">\n" +
                           u"\t<p> 1 &lt; 2 &amp; 3 &gt; \"x\" \U0001F600 </p>\n" +
                           u"\t<q><![CDATA[a]]]]><![CDATA[>b\t]]>&#13;<![CDATA[" + kept +
                           u"]]></q>\n\t<s>" + kept + u"</s>\n</r>"));

    XMLDocument loaded;
    ASSERT_TRUE(loaded.LoadFromBytes(document.ToBytes()));
    const XMLElement& read = *loaded.GetRoot();
    EXPECT_EQ(read.GetAttribute(u"a"), u"<&\">\t\n\r");
    EXPECT_EQ(read.FindChild(u"p")->GetText(), u" 1 < 2 & 3 > \"x\" \U0001F600 ");
    EXPECT_EQ(read.FindChild(u"q")->GetText(), u"a]]>b\t\r" + kept);
}

TEST(XMLWriter, AFailedSaveLeavesTheOldFileWholeAndNoTemporaryBehind) {
    TempDir dir;
    test::WriteBytes(dir / "notes.xml", "old bytes");
    EXPECT_FALSE(XMLDocument().Save(dir / "notes.xml")) << "no root";
    XMLDocument document;
    document.CreateRoot(u"r");
    EXPECT_FALSE(document.Save(dir / "missing" / "notes.xml"));
    if (::geteuid() != 0) {  // a folder we cannot write into: no rename can happen
        ::chmod(dir.Path().c_str(), 0500);
        EXPECT_FALSE(document.Save(dir / "notes.xml"));
        ::chmod(dir.Path().c_str(), 0700);
    }
    EXPECT_EQ(ReadBytes(dir / "notes.xml"), "old bytes");
    std::filesystem::create_directory(dir / "folder.xml");
    EXPECT_FALSE(document.Save(dir / "folder.xml"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.xml"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);

    test::WriteBytes(dir / "notes.xml", std::string(100000, 'x'));
    ASSERT_TRUE(document.Save(dir / "notes.xml"));
    EXPECT_EQ(ReadBytes(dir / "notes.xml"), Utf16XmlFile(u"<r></r>"));
}

}  // namespace
}  // namespace vesk

#include <gtest/gtest.h>

#include <vector>

#include "xml/XMLDocument.h"

namespace vesk {
namespace {

std::vector<std::u16string> Texts(XMLElement::ChildRange range) {
    std::vector<std::u16string> texts;
    for (auto it = range.first; it != range.second; ++it) texts.push_back(it->second->GetText());
    return texts;
}

TEST(XMLElement, AttributesReadEmptyWhenMissingAndKeepTheLastValue) {
    XMLElement element(u"e");
    EXPECT_EQ(element.GetAttribute(u"x"), u"");
    EXPECT_TRUE(element.Attributes().empty()) << "reading must not create the attribute";
    element.SetAttribute(u"x", u"1");
    element.SetAttribute(u"x", u"2");
    EXPECT_EQ(element.GetAttribute(u"x"), u"2");
    EXPECT_EQ(element.Attributes().size(), 1u);
}

TEST(XMLElement, ChildrenEnumerateByNameAndKeepInsertionOrderAmongEqualNames) {
    XMLElement parent(u"p");
    parent.AddChild(u"b").SetText(u"1");
    parent.AddChild(u"a").SetText(u"2");
    parent.AddChild(u"b").SetText(u"3");
    parent.AddChild(u"B").SetText(u"4");  // upper case sorts first

    std::vector<std::u16string> order;
    for (const auto& [name, child] : parent.Children()) order.push_back(name + child->GetText());
    EXPECT_EQ(order, (std::vector<std::u16string>{u"B4", u"a2", u"b1", u"b3"}));

    EXPECT_EQ(Texts(parent.FindChildren(u"b")), (std::vector<std::u16string>{u"1", u"3"}));
    EXPECT_TRUE(Texts(parent.FindChildren(u"c")).empty());
    ASSERT_NE(parent.FindChild(u"b"), nullptr);
    EXPECT_EQ(parent.FindChild(u"b")->GetText(), u"1");
    EXPECT_EQ(parent.FindChild(u"c"), nullptr);
}

TEST(XMLElement, FindChildReturnsTheFirstAddedAmongMany) {
    XMLElement parent(u"p");
    for (int i = 0; i < 50; ++i) parent.AddChild(u"x").SetText(std::u16string(1, u'a' + i % 26));
    EXPECT_EQ(parent.FindChild(u"x")->GetText(), u"a");
}

TEST(XMLDocument, CreateRootReplacesTheOldTree) {
    XMLDocument document;
    EXPECT_EQ(document.GetRoot(), nullptr);
    document.CreateRoot(u"first").AddChild(u"child");
    XMLElement& second = document.CreateRoot(u"second");
    EXPECT_EQ(document.GetRoot(), &second);
    EXPECT_EQ(second.GetName(), u"second");
    EXPECT_TRUE(second.Children().empty());
    EXPECT_FALSE(second.IsCdata());
    EXPECT_FALSE(second.IsSelfClosing());
}

}  // namespace
}  // namespace vesk

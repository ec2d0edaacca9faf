#include <gtest/gtest.h>

#include <vector>

#include "settings/ThemeData.h"
#include "xml/XMLElement.h"

namespace vesk {
namespace {

// Hands out the given draws in turn, then repeats the last.
RandomSource Draws(std::vector<int> draws) {
    return [draws, next = std::size_t{0}]() mutable {
        const int draw = draws[next];
        if (next + 1 < draws.size()) ++next;
        return draw;
    };
}

TEST(ThemeDataTest, StyleIdsNeverGoBack) {
    ThemeData theme(0);
    EXPECT_EQ(theme.AddStyle(1, 2, 3, 4), 0);
    EXPECT_EQ(theme.AddStyle(5, 6, 7, 8), 1);
    EXPECT_EQ(theme.AddStyle(9, 10, 11, 12), 2);
    EXPECT_TRUE(theme.RemoveStyle(1));
    EXPECT_FALSE(theme.RemoveStyle(1));
    EXPECT_EQ(theme.AddStyle(13, 14, 15, 16), 3);

    const StyleData style = theme.FindStyle(3);
    EXPECT_EQ(style.id, 3);
    EXPECT_EQ(style.bgcolor, 13u);
    EXPECT_EQ(style.titlecolor, 16u);
    EXPECT_EQ(theme.FindStyle(1), StyleData());
}

TEST(ThemeDataTest, RandomDrawsOnlyAmongExistingStylesInIdOrder) {
    ThemeData theme(0);
    theme.AddStyle(100, 0, 0, 0);
    theme.AddStyle(101, 0, 0, 0);
    theme.AddStyle(102, 0, 0, 0);
    theme.RemoveStyle(1);
    const RandomSource random = Draws({0, 1, 2, 3, -1});
    std::vector<std::int32_t> ids;
    for (int i = 0; i < 5; ++i) ids.push_back(theme.RandomStyle(random).id);
    // -1 as unsigned is odd, so it lands on the second style.
    EXPECT_EQ(ids, (std::vector<std::int32_t>{0, 2, 0, 2, 2}));
    EXPECT_EQ(theme.GetStyles().size(), 2u);
}

TEST(ThemeDataTest, EmptyThemeGetsOneYellowStyleOnce) {
    ThemeData theme(4);
    const StyleData first = theme.RandomStyle(Draws({5}));
    const StyleData second = theme.RandomStyle(Draws({7}));
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.bgcolor, RGB(255, 242, 0));
    EXPECT_EQ(first.bg2color, RGB(255, 255, 128));
    EXPECT_EQ(first.textcolor, RGB(0, 0, 0));
    EXPECT_EQ(first.titlecolor, RGB(0, 0, 0));
    EXPECT_EQ(theme.GetStyles().size(), 1u);
}

TEST(ThemeDataTest, ElementRenumbersStylesInTheirOrder) {
    ThemeData theme(7);
    theme.SetName(u"Sea");
    theme.AddStyle(RGB(1, 1, 1), 0, 0, 0);
    theme.AddStyle(RGB(2, 2, 2), 0, 0, 0);
    theme.AddStyle(RGB(3, 3, 3), 0, 0, 0);
    theme.RemoveStyle(0);

    XMLElement parent(u"themecollection");
    theme.SaveToElement(parent, true);
    theme.SaveToElement(parent, false);
    const auto [first, last] = parent.FindChildren(u"theme");
    ASSERT_EQ(std::distance(first, last), 2);
    EXPECT_EQ(first->second->GetAttribute(u"name"), u"Sea");
    EXPECT_EQ(first->second->GetAttribute(u"selected"), u"true");
    EXPECT_EQ(std::next(first)->second->Attributes().count(u"selected"), 0u);

    ThemeData read(3);
    read.AddStyle(9, 9, 9, 9);
    read.AddStyle(9, 9, 9, 9);
    read.AddStyle(9, 9, 9, 9);
    read.LoadFromElement(*first->second);
    EXPECT_EQ(read.GetId(), 3);
    EXPECT_EQ(read.GetName(), u"Sea");
    ASSERT_EQ(read.GetStyles().size(), 2u);
    EXPECT_EQ(read.FindStyle(0).bgcolor, RGB(2, 2, 2));
    EXPECT_EQ(read.FindStyle(1).bgcolor, RGB(3, 3, 3));
    EXPECT_EQ(read.FindStyle(1).id, 1);
    // The counter restarted with the styles read.
    EXPECT_EQ(read.AddStyle(0, 0, 0, 0), 2);
}

}  // namespace
}  // namespace vesk

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "notewnd/TextLayout.h"

namespace vesk {
namespace {

// Letters 10 pixels, "i" 4, a space 3, a tab 20; a line is 16 high.
class FakeMeasurer : public TextMeasurer {
public:
    std::int32_t spaceWidth = 3;

    std::int32_t MeasureText(const std::u16string& text) const override {
        std::int32_t width = 0;
        for (char16_t c : text) {
            width += c == u' ' ? spaceWidth : c == u'\t' ? 20 : c == u'i' ? 4 : 10;
        }
        return width;
    }
    std::int32_t LineHeight() const override { return 16; }
};

TextLayout Process(const std::u16string& text, const FakeMeasurer& font = {}) {
    TextLayout layout;
    ProcessLinkText(text, layout, font);
    return layout;
}

// Each paragraph as its token texts.
std::vector<std::vector<std::u16string>> Texts(const TextLayout& layout) {
    std::vector<std::vector<std::u16string>> texts;
    for (const TextParagraph& paragraph : layout) {
        texts.emplace_back();
        for (const TextToken& token : paragraph) texts.back().push_back(token.text);
    }
    return texts;
}

struct Placed {
    std::u16string text;
    std::int32_t x, y, clipRight;
    bool operator==(const Placed&) const = default;
};

std::vector<Placed> Placements(const ParagraphPlacement& placement) {
    std::vector<Placed> placed;
    for (const PlacedToken& token : placement.tokens) {
        placed.push_back({token.token->text, token.x, token.y, token.clipRight});
    }
    return placed;
}

TEST(TextLayout, CutsTextIntoParagraphsWordsAndMeasuredBlanks) {
    using Texts2 = std::vector<std::vector<std::u16string>>;
    const TextLayout layout = Process(u"ab \t cd\n\nwww.x.org  \n");
    EXPECT_EQ(Texts(layout), (Texts2{{u"ab", u" \t ", u"cd"}, {}, {u"www.x.org", u"  "}}));
    EXPECT_EQ(layout[0][1].width, 26) << "space + tab + space";
    EXPECT_FALSE(layout[0][0].link);
    EXPECT_TRUE(layout[2][0].link);
    EXPECT_EQ(Texts(Process(u"\n")), Texts2{{}});
    EXPECT_EQ(Texts(Process(u"  x")), (Texts2{{u"  ", u"x"}}));

    // Appends rather than replaces, as the checklist builds one paragraph per item.
    TextLayout items = Process(u"one");
    ProcessLinkText(u"two", items, FakeMeasurer{});
    EXPECT_EQ(Texts(items), (Texts2{{u"one"}, {u"two"}}));

    FakeMeasurer narrowSpaces;
    narrowSpaces.spaceWidth = 0;
    EXPECT_EQ(Texts(Process(u"a  b", narrowSpaces)), (Texts2{{u"a", u"b"}}))
        << "blanks of no width are dropped";
}

TEST(TextLayout, LinkPrefixes) {
    for (const char16_t* word : {u"www.x.org", u"http://a", u"https://b", u"mailto:c@d", u"www."}) {
        EXPECT_TRUE(IsLink(word));
    }
    for (const char16_t* word : {u"WWW.x.org", u"Http://a", u"ftp://a", u"see:http://a", u"www"}) {
        EXPECT_FALSE(IsLink(word));
    }
}

TEST(TextLayout, WrapsAtTheTokenThatReachesTheBoxWidth) {
    // Words of 40 and 30 with 3-pixel spaces in a box 80 wide.
    const TextLayout layout = Process(u"aaaa bbb cc  dd");
    const ParagraphPlacement placed = LayoutParagraph(layout[0], {6, 30, 86, 200}, false, 16);
    // 40 + 3 + 30 = 73 fits, the next space reaches 76 < 80 and stays, "cc" would reach 96.
    EXPECT_EQ(Placements(placed), (std::vector<Placed>{{u"aaaa", 6, 30, 6 + 76 + 5},
                                                       {u" ", 46, 30, 6 + 76 + 10},
                                                       {u"bbb", 49, 30, 6 + 76 + 15},
                                                       {u" ", 79, 30, 6 + 76 + 20},
                                                       {u"cc", 6, 46, 6 + 46 + 5},
                                                       {u"  ", 26, 46, 6 + 46 + 10},
                                                       {u"dd", 32, 46, 6 + 46 + 15}}));
    EXPECT_EQ(placed.bottom, 62);

    // A line exactly as wide as the box already breaks.
    const TextLayout exact = Process(u"aaaa aaaa");
    EXPECT_EQ(LayoutParagraph(exact[0], {0, 0, 84, 100}, false, 10).bottom, 10);
    EXPECT_EQ(LayoutParagraph(exact[0], {0, 0, 83, 100}, false, 10).bottom, 20);
}

TEST(TextLayout, WideWordsStandAloneAndLeadingBlanksAreSkipped) {
    const TextLayout layout = Process(u"\t\tab aaaaaaaaaa b");
    const ParagraphPlacement placed = LayoutParagraph(layout[0], {6, 0, 56, 100}, false, 10);
    EXPECT_EQ(Placements(placed), (std::vector<Placed>{{u"ab", 6, 0, 6 + 23 + 5},
                                                       {u" ", 26, 0, 6 + 23 + 10},
                                                       {u"aaaaaaaaaa", 6, 10, 6 + 100 + 5},
                                                       {u"b", 6, 20, 6 + 10 + 5}}));
    EXPECT_EQ(placed.bottom, 30);

    // A paragraph opening with a word wider than the box starts on its first line.
    const TextLayout wide = Process(u"aaaaaaaaaa");
    const ParagraphPlacement alone = LayoutParagraph(wide[0], {0, 5, 50, 100}, false, 10);
    ASSERT_EQ(alone.tokens.size(), 1u);
    EXPECT_EQ(alone.tokens[0].y, 5);
    EXPECT_EQ(alone.bottom, 15);
}

TEST(TextLayout, CentredLinesAreCentredOnTheBoxWidthFromTheWindowEdge) {
    const TextLayout layout = Process(u"ab");
    // (100 - 0) / 2 - 20 / 2 from x = 0, not from box.left = 30.
    EXPECT_EQ(LayoutParagraph(layout[0], {30, 0, 130, 50}, true, 10).tokens[0].x, 40);
    // Never left of box.left.
    EXPECT_EQ(LayoutParagraph(layout[0], {60, 0, 100, 50}, true, 10).tokens[0].x, 60);
    // A word as wide as the box starts at box.left.
    const TextLayout full = Process(u"aaaaa");
    EXPECT_EQ(LayoutParagraph(full[0], {6, 0, 56, 50}, true, 10).tokens[0].x, 6);
}

TEST(TextLayout, EmptyAndBlankParagraphsTakeOneLine) {
    const TextLayout layout = Process(u"a\n\n   ");
    ASSERT_EQ(layout.size(), 3u);
    EXPECT_EQ(LayoutParagraph(layout[1], {6, 20, 106, 200}, false, 16).bottom, 36);
    const ParagraphPlacement blank = LayoutParagraph(layout[2], {6, 20, 106, 200}, true, 16);
    EXPECT_TRUE(blank.tokens.empty());
    EXPECT_EQ(blank.bottom, 36);
}

TEST(TextLayout, LineFeedsKeptInOneParagraphBreakItIntoTheParagraphsLines) {
    const FakeMeasurer font;
    const Rect box{6, 20, 86, 400};
    for (const char16_t* text :
         {u"a\nb", u"a\n\nb", u"a\n", u"a\n\n", u"\n", u"\n\nx", u"a\n  \n\tb", u"aaaa    \nb",
          u"aaaaaaaaaaaa\nb c", u"aaaa bbb cc\n dd www.x.org"}) {
        SCOPED_TRACE(std::u16string_view(text).size());
        TextLayout single;
        ProcessParagraphText(text, single, font);
        ASSERT_EQ(single.size(), 1u);
        const ParagraphPlacement kept = LayoutParagraph(single[0], box, false, 16);

        // The paragraphs of the same text stacked, as a message lays them out.
        std::vector<Placed> stacked;
        std::int32_t top = box.top;
        for (const TextParagraph& paragraph : Process(text, font)) {
            const ParagraphPlacement placed =
                LayoutParagraph(paragraph, {box.left, top, box.right, box.bottom}, false, 16);
            for (const Placed& token : Placements(placed)) stacked.push_back(token);
            top = placed.bottom;
        }
        EXPECT_EQ(Placements(kept), stacked);
        EXPECT_EQ(kept.bottom, top);
    }
}

}  // namespace
}  // namespace vesk

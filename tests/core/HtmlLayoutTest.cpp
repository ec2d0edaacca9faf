#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "notebook/HtmlLayout.h"
#include "notebook/PathCompaction.h"

namespace vesk {
namespace {

// Every character 10 pixels wide and a blank 3; bold 12 and 4. Lines are 16
// high, superscript and subscript lines 11.
class FakeVariant : public TextMeasurer {
public:
    explicit FakeVariant(unsigned style) : style_(style) {}
    std::int32_t MeasureText(const std::u16string& text) const override {
        const bool bold = (style_ & HtmlStyle::kBold) != 0;
        std::int32_t width = 0;
        for (char16_t c : text) width += c == u' ' ? (bold ? 4 : 3) : (bold ? 12 : 10);
        return width;
    }
    std::int32_t LineHeight() const override {
        return (style_ & (HtmlStyle::kSuperscript | HtmlStyle::kSubscript)) != 0 ? 11 : 16;
    }

private:
    unsigned style_;
};

class FakeFonts : public StyledTextMeasurer {
public:
    FakeFonts() {
        for (unsigned style = 0; style < HtmlStyle::kCount; ++style) variants_.emplace_back(style);
    }
    const TextMeasurer& ForStyle(unsigned style) const override { return variants_.at(style); }

private:
    std::vector<FakeVariant> variants_;
};

constexpr COLORREF kInk = RGB(1, 2, 3);

HtmlLayout LayOut(const std::u16string& text, std::int32_t width,
                  unsigned format = HtmlFormat::kWordBreak) {
    return LayOutHtml(text, width, format, FakeFonts(), kInk);
}

// "word@x,y", then "+style" when styled and "#rrggbb" when not in the ink;
// an underlined blank shows as "_".
std::string Describe(const std::u16string& text, const HtmlLayout& layout) {
    std::string out;
    for (const HtmlRun& run : layout.runs) {
        const std::u16string word = text.substr(run.start, run.length);
        out += out.empty() ? "" : " ";
        out += word.empty() ? "_" : std::string(word.begin(), word.end());
        out += "@" + std::to_string(run.x) + "," + std::to_string(run.y);
        if (run.style != 0) out += "+" + std::to_string(run.style);
        if (run.color != kInk) {
            const std::u16string color = ColorToText(run.color);
            out += std::string(color.begin(), color.end());
        }
    }
    return out;
}

struct LayoutCase {
    const char16_t* text;
    std::int32_t width;
    unsigned format;
    const char* runs;
    std::int32_t height;
};

constexpr unsigned kWrap = HtmlFormat::kWordBreak;

const LayoutCase kLayoutCases[] = {
    // Tags: br breaks the line (not bold), names match by prefix and case,
    // an unknown tag is a word and its end tag is dropped.
    {u"a<br>b", 100, kWrap, "a@0,0 b@0,16", 32},
    {u"a <br> b", 100, kWrap, "a@0,0 b@0,16", 32},
    {u"<bold>x</bold>y", 100, kWrap, "x@0,0+1 y@12,0", 16},
    {u"<B>x</STRONG>y", 100, kWrap, "x@0,0+1 y@12,0", 16},
    {u"<span>x</span>y", 100, kWrap, "<span>@0,0 x@60,0 y@70,0", 16},
    {u"<b class=x>y", 200, kWrap, "<b@0,0 class=x>y@23,0", 16},
    {u"i < j <<b>k", 100, kWrap, "i@0,0 <@13,0 j@26,0 <@39,0 k@49,0+1", 16},
    {u"a</b></br></p>b", 100, kWrap, "a@0,0 b@10,0", 16},
    {u"<i><u>a b</u> c", 100, kWrap, "a@0,0+6 _@10,0+6 b@13,0+6 c@26,0+2", 16},
    {u"a<sub>b</sub><sup>c", 100, kWrap, "a@0,0 b@10,5+16 c@20,0+8", 16},
    // Spacing: one blank per run of white space, none across a tag alone;
    // a word with no blank before it never wraps.
    {u"a <b>b</b> c", 100, kWrap, "a@0,0 b@14,0+1 c@29,0", 16},
    {u" a\n\tb", 100, kWrap, "a@3,0 b@16,0", 16},
    {u"x<b>y", 15, kWrap, "x@0,0 y@10,0+1", 16},
    {u"aa bb", 30, kWrap, "aa@0,0 bb@0,16", 32},
    {u"aa bb", 30, 0, "aa@0,0 bb@23,0", 16},
    // Paragraphs: none above the very first characters, 1.5 lines elsewhere.
    {u"<p>a<p>b", 100, kWrap, "a@0,0 b@0,24", 40},
    {u" <p>a", 100, kWrap, "a@0,24", 40},
    {u"a<br>b<p>c", 100, kWrap | HtmlFormat::kSingleLine, "a@0,0 b@10,0 c@20,0", 16},
    // A word wider than the row widens the line.
    {u"ab abcdefgh c", 30, kWrap, "ab@0,0 abcdefgh@0,16 c@0,32", 48},
    {u"", 100, kWrap, "", 16},
    // Colours: with or without quote and number sign; other attributes
    // before the colour hide it, yet the end tag still pops.
    {u"<font color=#FF0000>r</font>k", 100, kWrap, "r@0,0#ff0000 k@10,0", 16},
    {u"<font color='ff0000'>r", 100, kWrap, "r@0,0#ff0000", 16},
    {u"<font color=\"#0a0b0c\">r", 100, kWrap, "r@0,0#0a0b0c", 16},
    {u"<font color=#fz>r", 100, kWrap, "r@0,0#f00000", 16},
    {u"<font  color=#ff0000>r", 100, kWrap, "r@0,0", 16},
    {u"<font color=#0000ff>a<font size=2 color=#ff0000>b</font>c", 100, kWrap,
     "a@0,0#0000ff b@10,0#0000ff c@20,0", 16},
    {u"<font color=#00ff00>a</font></font>b", 100, kWrap, "a@0,0#00ff00 b@10,0", 16},
};

TEST(HtmlLayout, LaysOutEveryTagRule) {
    for (const LayoutCase& c : kLayoutCases) {
        const std::u16string text = c.text;
        const HtmlLayout layout = LayOut(text, c.width, c.format);
        EXPECT_EQ(Describe(text, layout), c.runs) << std::string(text.begin(), text.end());
        EXPECT_EQ(layout.height, c.height) << std::string(text.begin(), text.end());
    }
}

TEST(HtmlLayout, WidestLineWhenAWordPassesTheWidth) {
    EXPECT_EQ(LayOut(u"ab abcdefgh c", 30).width, 80);
    EXPECT_EQ(LayOut(u"ab<br>abc", -5).width, 30);
}

TEST(HtmlLayout, KeepsEightColorsAndShowsTheNinthUnsaved) {
    std::u16string text;
    for (unsigned i = 1; i <= 9; ++i) {
        text += u"<font color=#0000" + std::u16string(1, char16_t(u'0' + i)) + u"0>w";
    }
    text += u"</font>x</font>y";
    const HtmlLayout layout = LayOut(text, 1000);
    ASSERT_EQ(layout.runs.size(), 11u);
    EXPECT_EQ(layout.runs[8].color, RGB(0, 0, 0x90));
    EXPECT_EQ(layout.runs[9].color, RGB(0, 0, 0x70)) << "the eighth colour was never saved";
    EXPECT_EQ(layout.runs[10].color, RGB(0, 0, 0x60));
}

TEST(HtmlLayout, FontVariantHeights) {
    EXPECT_EQ(HtmlFontHeight(-10, 0), -10);
    EXPECT_EQ(HtmlFontHeight(-10, HtmlStyle::kBold | HtmlStyle::kItalic), -12);
    EXPECT_EQ(HtmlFontHeight(-10, HtmlStyle::kSuperscript), -7);
    EXPECT_EQ(HtmlFontHeight(-10, HtmlStyle::kBold | HtmlStyle::kSubscript), -8);
}

TEST(PathCompaction, KeepsTheFileNameAndShortensTheFolders) {
    const FakeVariant font(0);
    EXPECT_EQ(CompactPath(u"/a/b.txt", 80, font), u"/a/b.txt");
    EXPECT_EQ(CompactPath(u"/a/bb/cc/name.txt", 150, font), u"/a/.../name.txt");
    EXPECT_EQ(CompactPath(u"C:\\notes\\name.txt", 120, font), u"...\\name.txt");
    EXPECT_EQ(CompactPath(u"/a/bb/cc/name.txt", 100, font), u"name.tx...");
    EXPECT_EQ(CompactPath(u"/a/bb/cc/name.txt", 20, font), u"...");
}

}  // namespace
}  // namespace vesk

#include <gtest/gtest.h>

#include <memory>

#include "settings/FontData.h"
#include "settings/FontEngine.h"
#include "settings/HotKeyData.h"
#include "settings/StyleData.h"
#include "xml/XMLElement.h"

namespace vesk {
namespace {

TEST(FontDataTest, ElementRoundTripAndLiteralComparison) {
    XMLElement parent(u"appearence");
    FontData(u"Arial", 16, true, false).SaveToElement(parent);
    const XMLElement* written = parent.FindChild(u"font");
    ASSERT_NE(written, nullptr);
    EXPECT_TRUE(written->IsSelfClosing());
    EXPECT_EQ(written->GetAttribute(u"bold"), u"true");
    EXPECT_EQ(written->Attributes().count(u"italics"), 0u);

    FontData read;
    read.LoadFromElement(*written);
    EXPECT_EQ(read, FontData(u"Arial", 16, true, false));

    for (const char16_t* text : {u"TRUE", u"True", u"1", u"false"}) {
        XMLElement element(u"font");
        element.SetAttribute(u"bold", text);
        element.SetAttribute(u"italics", text);
        FontData font(u"Arial", 10, true, true);
        font.LoadFromElement(element);
        EXPECT_FALSE(font.GetBold());
        EXPECT_FALSE(font.GetItalics());
        // A missing face and size read as empty and 0.
        EXPECT_TRUE(font.GetFace().empty());
        EXPECT_EQ(font.GetSize(), 0);
    }
}

TEST(FontDataTest, IsDefault) {
    EXPECT_TRUE(FontData().IsDefault());
    EXPECT_TRUE(FontData(u"Arial", 0, false, false).IsDefault());
    EXPECT_TRUE(FontData(u"", 12, false, false).IsDefault());
    EXPECT_FALSE(FontData(u"default", 12, false, false).IsDefault());
    EXPECT_FALSE(FontData::Fallback().IsDefault());
}

class CountingFonts : public DrawingFonts {
public:
    explicit CountingFonts(int height, int& alive) : height_(height), alive_(alive) { ++alive_; }
    ~CountingFonts() override { --alive_; }
    int GetHeight() const override { return height_; }

private:
    int height_;
    int& alive_;
};

// Knows every face but "Nowhere"; the line height is the size plus 2.
class FakeEngine : public FontEngine {
public:
    std::unique_ptr<DrawingFonts> MakeFonts(const FontData& font, bool) override {
        if (font.GetFace() == u"Nowhere") {
            return nullptr;
        }
        return std::make_unique<CountingFonts>(font.GetSize() + 2, alive);
    }
    double GetScreenResolution() const override { return resolution; }

    int alive = 0;
    double resolution = 120.0;
};

class FontEngineTest : public testing::Test {
protected:
    void SetUp() override { RegisterFontEngine(&engine_); }
    void TearDown() override { RegisterFontEngine(nullptr); }
    FakeEngine engine_;
};

TEST_F(FontEngineTest, DrawingFontsAreACacheThatIsNeverCopied) {
    {
        FontData font(u"Arial", 12, false, false);
        EXPECT_EQ(font.GetHeight(), 0);
        ASSERT_TRUE(font.MakeUsable());
        EXPECT_EQ(font.GetHeight(), 14);
        EXPECT_EQ(engine_.alive, 1);

        FontData copy(font);
        EXPECT_EQ(copy.GetDrawingFonts(), nullptr);
        ASSERT_TRUE(copy.MakeUsable());
        EXPECT_EQ(engine_.alive, 2);
        // Assignment releases the target's fonts and does not take the source's.
        copy = FontData(u"Arial", 20, false, false);
        EXPECT_EQ(copy.GetDrawingFonts(), nullptr);
        EXPECT_EQ(engine_.alive, 1);

        // A setter leaves the cache alone until the owner remakes it.
        font.SetSize(30);
        EXPECT_EQ(font.GetHeight(), 14);
        font.SetFace(u"Nowhere");
        EXPECT_FALSE(font.MakeUsable());
        EXPECT_EQ(font.GetHeight(), 0);
        EXPECT_EQ(engine_.alive, 0);
        ASSERT_TRUE(copy.MakeUsable());
    }
    EXPECT_EQ(engine_.alive, 0);
}

TEST_F(FontEngineTest, ScreenResolutionComesFromTheEngine) {
    EXPECT_EQ(GetScreenResolution(), 120.0);
    engine_.resolution = 0.0;
    EXPECT_EQ(GetScreenResolution(), 96.0);
    RegisterFontEngine(nullptr);
    EXPECT_EQ(GetScreenResolution(), 96.0);
    EXPECT_TRUE(FontData(u"Nowhere", 12, false, false).MakeUsable());
}

TEST(StyleDataTest, ElementKeepsColoursButNotNameOrId) {
    StyleData style = StyleData::Fallback();
    style.name = u"Mint";
    style.id = 4;
    XMLElement parent(u"appearence");
    style.SaveToElement(parent);
    const XMLElement* written = parent.FindChild(u"style");
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->GetAttribute(u"name"), u"Mint");
    ASSERT_NE(written->FindChild(u"bg2color"), nullptr);
    EXPECT_EQ(written->FindChild(u"bgcolor")->GetAttribute(u"color"), u"#80e180");
    EXPECT_EQ(written->FindChild(u"bg2color")->GetAttribute(u"color"), u"#004000");

    StyleData read;
    read.LoadFromElement(*written);
    EXPECT_TRUE(read.name.empty());
    EXPECT_EQ(read.id, 0);
    EXPECT_EQ(read.bgcolor, style.bgcolor);
    EXPECT_EQ(read.bg2color, style.bg2color);
    EXPECT_EQ(read.textcolor, style.textcolor);
    EXPECT_EQ(read.titlecolor, style.titlecolor);

    // An unnamed style writes no name attribute.
    XMLElement other(u"theme");
    StyleData().SaveToElement(other);
    EXPECT_TRUE(other.FindChild(u"style")->GetAttribute(u"name").empty());
    EXPECT_EQ(other.FindChild(u"style")->Attributes().size(), 0u);
}

TEST(StyleDataTest, MissingChildrenKeepTheirColours) {
    XMLElement element(u"style");
    element.AddChild(u"bgcolor", true).SetAttribute(u"color", u"#ff0000");
    element.AddChild(u"shadow", true).SetAttribute(u"color", u"#00ff00");
    StyleData style = StyleData::Fallback();
    style.LoadFromElement(element);
    EXPECT_EQ(style.bgcolor, RGB(255, 0, 0));
    EXPECT_EQ(style.bg2color, RGB(0, 64, 0));
    EXPECT_EQ(style.textcolor, RGB(0, 0, 0));
    EXPECT_EQ(style.titlecolor, RGB(255, 255, 255));
}

TEST(HotKeyDataTest, ElementRoundTripAndMissingAttributes) {
    HotKeyData key{83, HotKeyData::kWindows, true, u"shownotes"};
    XMLElement parent(u"settings");
    key.SaveToElement(parent);
    const XMLElement* written = parent.FindChild(u"hotkey");
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->GetAttribute(u"modifiers"), u"32");
    EXPECT_EQ(written->GetAttribute(u"virtualKey"), u"83");
    HotKeyData read;
    read.LoadFromElement(*written);
    EXPECT_EQ(read, key);

    // Every field is set by a read; numbers keep their low 16 bits.
    XMLElement sparse(u"hotkey");
    sparse.SetAttribute(u"virtualKey", u"65619");
    sparse.SetAttribute(u"modifiers", u"-1");
    sparse.SetAttribute(u"used", u"TRUE");
    read.LoadFromElement(sparse);
    EXPECT_EQ(read.virtualKey, 83);
    EXPECT_EQ(read.modifiers, 0xffff);
    EXPECT_FALSE(read.used);
    EXPECT_TRUE(read.id.empty());

    XMLElement off(u"hotkey");
    off.SetAttribute(u"used", u"false");
    read.used = true;
    read.LoadFromElement(off);
    EXPECT_FALSE(read.used);
}

}  // namespace
}  // namespace vesk

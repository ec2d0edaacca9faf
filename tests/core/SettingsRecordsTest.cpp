#include <gtest/gtest.h>

#include "TestSupport.h"
#include "settings/HotKeyData.h"
#include "settings/StyleData.h"

namespace vesk {
namespace {

using test::Xml;

TEST(FontDataTest, ElementRoundTripAndLiteralComparison) {
    XMLElement parent(u"appearence");
    FontData(u"Arial", 16, true, false).SaveToElement(parent);
    const XMLElement& written = *parent.FindChild(u"font");
    EXPECT_TRUE(written.IsSelfClosing());
    EXPECT_EQ(written.Attributes().count(u"italics"), 0u);
    FontData read;
    read.LoadFromElement(written);
    EXPECT_EQ(read, FontData(u"Arial", 16, true, false));

    for (const std::u16string text : {u"TRUE", u"True", u"1", u"false"}) {
        FontData font(u"Arial", 10, true, true);
        font.LoadFromElement(Xml(u"<font bold=\"" + text + u"\" italics=\"" + text + u"\"/>"));
        EXPECT_EQ(font, FontData(u"", 0, false, false)) << WideToUtf8(text);
    }
    EXPECT_TRUE(FontData(u"Arial", 0, false, false).IsDefault());
    EXPECT_TRUE(FontData(u"", 12, false, false).IsDefault());
    EXPECT_FALSE(FontData(u"default", 12, false, false).IsDefault());
}

TEST(FontDataTest, DrawingFontsAreACacheThatIsNeverCopied) {
    test::FakeFontEngine engine(120.0);
    {
        FontData font(u"Arial", 12, false, false);
        ASSERT_TRUE(font.MakeUsable());
        EXPECT_EQ(font.GetHeight(), 14);
        FontData copy(font);
        EXPECT_EQ(copy.GetHeight(), 0);
        ASSERT_TRUE(copy.MakeUsable());
        EXPECT_EQ(engine.alive, 2);
        copy = FontData(u"Arial", 20, false, false);
        EXPECT_EQ(copy.GetDrawingFonts(), nullptr);
        EXPECT_EQ(engine.alive, 1);
        // Setters leave the cache until the owner remakes it.
        font.SetFace(u"Nowhere");
        EXPECT_EQ(font.GetHeight(), 14);
        EXPECT_FALSE(font.MakeUsable());
        EXPECT_EQ(engine.alive, 0);
        EXPECT_TRUE(copy.MakeUsable());
    }
    EXPECT_EQ(engine.alive, 0);

    EXPECT_EQ(GetScreenResolution(), 120.0);
    engine.resolution = 0.0;
    EXPECT_EQ(GetScreenResolution(), 96.0);
    RegisterFontEngine(nullptr);
    EXPECT_TRUE(FontData(u"Nowhere", 12, false, false).MakeUsable()) << "no engine, no check";
}

TEST(StyleDataTest, ElementKeepsColoursNotNameOrIdAndMissingColoursStay) {
    StyleData style = StyleData::Fallback();
    style.name = u"Mint";
    style.id = 4;
    XMLElement parent(u"appearence");
    style.SaveToElement(parent);
    const XMLElement& written = *parent.FindChild(u"style");
    EXPECT_EQ(written.GetAttribute(u"name"), u"Mint");
    EXPECT_EQ(written.FindChild(u"bg2color")->GetAttribute(u"color"), u"#004000");
    StyleData read;
    read.LoadFromElement(written);
    style.name.clear();
    style.id = 0;
    EXPECT_EQ(read, style);

    read.LoadFromElement(
        Xml(u"<style><bgcolor color=\"#ff0000\"/><shadow color=\"#00ff00\"/>"
            u"</style>"));
    EXPECT_EQ(read.bgcolor, RGB(255, 0, 0));
    EXPECT_EQ(read.bg2color, RGB(0, 64, 0));
    EXPECT_EQ(read.titlecolor, RGB(255, 255, 255));

    XMLElement unnamed(u"theme");
    StyleData().SaveToElement(unnamed);
    EXPECT_EQ(unnamed.FindChild(u"style")->Attributes().size(), 0u);
}

TEST(HotKeyDataTest, ElementRoundTripAndMissingAttributes) {
    const HotKeyData key{83, HotKeyData::kWindows, true, u"shownotes"};
    XMLElement parent(u"settings");
    key.SaveToElement(parent);
    const XMLElement& written = *parent.FindChild(u"hotkey");
    EXPECT_EQ(written.GetAttribute(u"modifiers"), u"32");
    EXPECT_EQ(written.GetAttribute(u"virtualKey"), u"83");
    HotKeyData read;
    read.LoadFromElement(written);
    EXPECT_EQ(read, key);

    // Every field is set by a read; numbers keep their low 16 bits.
    read.LoadFromElement(Xml(u"<hotkey virtualKey=\"65619\" modifiers=\"-1\" used=\"TRUE\"/>"));
    EXPECT_EQ(read, (HotKeyData{83, 0xffff, false, u""}));
}

}  // namespace
}  // namespace vesk

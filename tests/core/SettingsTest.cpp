#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "TestSupport.h"
#include "settings/HotKeyData.h"
#include "settings/SettingsData.h"
#include "settings/StyleData.h"
#include "settings/ThemeFile.h"

namespace vesk {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::Xml;

// Hands out the given draws in turn, then repeats the last.
RandomSource Draws(std::vector<int> draws) {
    return [draws, next = std::size_t{0}]() mutable {
        const int draw = draws[next];
        if (next + 1 < draws.size()) ++next;
        return draw;
    };
}

TEST(ThemeDataTest, ThemeAndStyleIdsComeFromCountersThatNeverGoBack) {
    SettingsData settings;
    ThemeData theme(0);
    for (std::int32_t id = 0; id < 3; ++id) {
        EXPECT_EQ(settings.AddTheme(), id);
        EXPECT_EQ(theme.AddStyle(id, 0, 0, id + 10), id);
    }
    EXPECT_TRUE(settings.RemoveTheme(1));
    EXPECT_FALSE(settings.RemoveTheme(1));
    EXPECT_TRUE(theme.RemoveStyle(1));
    EXPECT_EQ(settings.AddTheme(), 3);
    EXPECT_EQ(theme.AddStyle(3, 0, 0, 13), 3);
    EXPECT_EQ(theme.FindStyle(3), (StyleData{u"", 3, 3, 0, 0, 13}));
    EXPECT_EQ(settings.FindTheme(1), nullptr);
    settings.ClearThemes();
    EXPECT_EQ(settings.AddTheme(), 4);
}

// A theme without styles getting its yellow one is the main commands' test.
TEST(ThemeDataTest, NewNotesDrawOnlyAmongTheSelectedThemesStylesInIdOrder) {
    SettingsData settings;
    settings.SetSelectedThemeId(5);
    EXPECT_EQ(settings.NewNoteStyle(), StyleData::Fallback());
    EXPECT_EQ(settings.ThemeCount(), 0u);

    ThemeData& theme = *settings.FindTheme(settings.AddTheme());
    settings.SetSelectedThemeId(theme.GetId());
    for (COLORREF bg : {100, 101, 102}) theme.AddStyle(bg, 0, 0, 0);
    theme.RemoveStyle(1);
    const RandomSource random = Draws({0, 1, 2, 3, -1});
    std::vector<std::int32_t> ids;
    for (int i = 0; i < 5; ++i) ids.push_back(settings.NewNoteStyle(random).id);
    // -1 as unsigned is odd, so it lands on the second style.
    EXPECT_EQ(ids, (std::vector<std::int32_t>{0, 2, 0, 2, 2}));
}

class SettingsFileTest : public ::testing::Test {
protected:
    // Writes a settings file with the given root content and loads it.
    bool LoadBody(std::u16string_view body) {
        test::WriteBytes(dir_ / "settings.xml", test::Utf16XmlFile(body));
        return settings_.Load(dir_ / "settings.xml");
    }

    TempDir dir_;
    SettingsData settings_;
};

// Every on/off switch, each on by default.
const std::pair<void (SettingsData::*)(bool), bool (SettingsData::*)() const> kSwitches[] = {
    {&SettingsData::SetSolidOnSelect, &SettingsData::GetSolidOnSelect},
    {&SettingsData::SetAutoSave, &SettingsData::GetAutoSave},
    {&SettingsData::SetSoundEnabled, &SettingsData::GetSoundEnabled},
    {&SettingsData::SetAnimatedCrumple, &SettingsData::GetAnimatedCrumple},
    {&SettingsData::SetNoteShadow, &SettingsData::GetNoteShadow},
    {&SettingsData::SetShowQAButtons, &SettingsData::GetShowQAButtons},
    {&SettingsData::SetShowTitle, &SettingsData::GetShowTitle},
    {&SettingsData::SetEnableAlpha, &SettingsData::GetEnableAlpha},
    {&SettingsData::SetRandomStyle, &SettingsData::GetRandomStyle},
};

TEST_F(SettingsFileTest, EveryValueSurvivesSaveAndLoad) {
    settings_.FindTheme(settings_.AddTheme())->SetName(u"First");
    const std::int32_t second = settings_.AddTheme();
    settings_.FindTheme(second)->SetName(u"Second");
    settings_.FindTheme(second)->AddStyle(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9),
                                          RGB(10, 11, 12));
    settings_.SetSelectedThemeId(second);
    settings_.SetAlpha(77);
    settings_.SetContentFont(FontData(u"Courier New", 11, true, true));
    settings_.SetTitleFont(FontData(u"Verdana", 9, false, true));
    settings_.SetDateFormat(u"%d/%m/%Y");
    for (const auto& [set, get] : kSwitches) (settings_.*set)(false);
    settings_.SetTray(TrayAction::ToggleShow);
    settings_.SetEmptyWaste(EmptyWastePolicy::Always);
    settings_.GetShowNotesHotKey() = {0x41, HotKeyData::kControl | HotKeyData::kAlt, true,
                                      u"shownotes"};
    settings_.GetNewNoteHotKey() = {0x70, HotKeyData::kShift, false, u"newnote"};
    settings_.GetAutoSaveData().SetInterval(60000);
    settings_.GetBackupData().SetMaxKeep(-1);
    ASSERT_TRUE(settings_.Save(dir_ / "saved.xml"));

    SettingsData read;
    ASSERT_TRUE(read.Load(dir_ / "saved.xml"));
    const auto stored = [](const SettingsData& s) {
        return std::tuple(s.ThemeCount(), s.GetTheme(1).GetName(), s.GetTheme(1).FindStyle(0),
                          s.GetSelectedThemeId(), s.GetAlpha(), s.GetContentFont(),
                          s.GetTitleFont(), s.GetDateFormat(), s.GetTray(), s.GetEmptyWaste(),
                          s.GetShowNotesHotKey(), s.GetNewNoteHotKey(),
                          s.GetAutoSaveData().GetInterval(), s.GetBackupData().GetMaxKeep());
    };
    EXPECT_EQ(stored(read), stored(settings_));
    for (const auto& [set, get] : kSwitches) EXPECT_FALSE((read.*get)());
}

TEST_F(SettingsFileTest, TheDefaultFileBindsBothHotKeysAndSavesToTheSameBytes) {
    const auto defaults = std::filesystem::path(VESK_DEFAULT_FILES_DIR) / "settings.xml";
    ASSERT_TRUE(settings_.Load(defaults));
    ASSERT_EQ(settings_.ThemeCount(), 1u);
    EXPECT_EQ(settings_.GetTheme(settings_.GetSelectedThemeId()).FindStyle(0),
              StyleData::Fallback());
    EXPECT_EQ(settings_.GetShowNotesHotKey(), (HotKeyData{'S', 32, true, u"shownotes"}));
    EXPECT_EQ(settings_.GetNewNoteHotKey(), (HotKeyData{'N', 32, true, u"newnote"}));
    ASSERT_TRUE(settings_.Save(dir_ / "saved.xml"));
    EXPECT_EQ(ReadBytes(dir_ / "saved.xml"), ReadBytes(defaults));
}

TEST_F(SettingsFileTest, ThemesAddToThoseLoadedBefore) {
    const std::u16string body =
        u"<settings><themecollection>"
        u"<theme name=\"a\"/><theme name=\"b\" selected=\"true\"/><theme name=\"c\"/>"
        u"</themecollection></settings>";
    ASSERT_TRUE(LoadBody(body));
    EXPECT_EQ(settings_.ThemeCount(), 3u);
    EXPECT_EQ(settings_.GetSelectedThemeId(), 1);
    ASSERT_TRUE(LoadBody(body));
    EXPECT_EQ(settings_.GetSelectedThemeId(), 4);
    EXPECT_EQ(settings_.GetTheme(5).GetName(), u"c");

    // Without a selected theme the selected id stays.
    ASSERT_TRUE(LoadBody(
        u"<settings><themecollection><theme name=\"a\" selected=\"TRUE\"/><theme name=\"b\"/>"
        u"<skin name=\"c\"/></themecollection></settings>"));
    EXPECT_EQ(settings_.ThemeCount(), 8u);
    EXPECT_EQ(settings_.GetSelectedThemeId(), 4);
}

TEST_F(SettingsFileTest, ValuesFallBackByTheirOwnRules) {
    for (const auto& [text, alpha] : {std::pair{u"300", 44}, {u"abc", 0}, {u"-1", 255}}) {
        ASSERT_TRUE(LoadBody(u"<settings><default><alpha>" + std::u16string(text) +
                             u"</alpha></default></settings>"));
        EXPECT_EQ(settings_.GetAlpha(), alpha) << "the low byte";
    }
    // Unknown action words leave their fields.
    settings_.SetEmptyWaste(EmptyWastePolicy::Never);
    ASSERT_TRUE(LoadBody(
        u"<settings><actions emptywaste=\"sometimes\" tray=\"bringtofront\"/></settings>"));
    EXPECT_EQ(settings_.GetTray(), TrayAction::BringToFront);
    EXPECT_EQ(settings_.GetEmptyWaste(), EmptyWastePolicy::Never);
    ASSERT_TRUE(LoadBody(u"<settings><actions tray=\"Never\"/></settings>"));
    EXPECT_EQ(settings_.GetTray(), TrayAction::BringToFront);

    // Defaults read only their off literals.
    settings_.SetShowTitle(false);
    settings_.SetRandomStyle(false);
    settings_.SetDateFormat(u"%d.%m.%Y");
    ASSERT_TRUE(
        LoadBody(u"<settings><default><title><font face=\"Tahoma\" size=\"9\"/></title></default>"
                 u"</settings>"));
    EXPECT_TRUE(settings_.GetShowTitle());
    EXPECT_TRUE(settings_.GetRandomStyle());
    EXPECT_EQ(settings_.GetDateFormat(), u"%m/%d/%Y");
    EXPECT_EQ(settings_.GetTitleFont(), FontData(u"Tahoma", 9, false, false));
    ASSERT_TRUE(LoadBody(
        u"<settings><default showtitle=\"FALSE\" randomstyle=\"false\"><content/></default>"
        u"</settings>"));
    EXPECT_TRUE(settings_.GetShowTitle());
    EXPECT_FALSE(settings_.GetRandomStyle());
    EXPECT_EQ(settings_.GetContentFont(), FontData(u"Arial", 16, false, false));
}

TEST_F(SettingsFileTest, SwitchesAndHotKeysGoByIdAndTheLastWins) {
    ASSERT_TRUE(LoadBody(
        u"<settings><other><setting id=\"soundEnabled\" status=\"false\"/>"
        u"<setting id=\"showQAButtons\" status=\"yes\"/><setting id=\"unknown\" status=\"false\"/>"
        u"<setting status=\"false\"/></other><hotkeys>"
        u"<hotkey id=\"newnote\" virtualKey=\"1\" used=\"true\"/>"
        u"<hotkey id=\"other\" virtualKey=\"2\" used=\"true\"/>"
        u"<hotkey id=\"newnote\" virtualKey=\"65614\" modifiers=\"-1\"/></hotkeys></settings>"));
    EXPECT_FALSE(settings_.GetSoundEnabled());
    EXPECT_FALSE(settings_.GetShowQAButtons());
    EXPECT_TRUE(settings_.GetNoteShadow());
    // Numbers keep their low 16 bits.
    EXPECT_EQ(settings_.GetNewNoteHotKey(), (HotKeyData{78, 0xffff, false, u"newnote"}));
    EXPECT_EQ(settings_.GetShowNotesHotKey(), (HotKeyData{0, 0, false, u"shownotes"}));
}

TEST_F(SettingsFileTest, FilesThatAreNotSettingsChangeNothing) {
    settings_.SetAlpha(90);
    EXPECT_FALSE(settings_.Load(dir_ / "missing.xml"));
    EXPECT_FALSE(LoadBody(u"<settings><default><alpha>5</alpha></default>"));
    EXPECT_FALSE(
        LoadBody(u"<notecollection><default><alpha>5</alpha></default>"
                 u"<themecollection><theme/></themecollection></notecollection>"));
    EXPECT_EQ(settings_.GetAlpha(), 90);
    EXPECT_EQ(settings_.ThemeCount(), 0u);
}

TEST_F(SettingsFileTest, ThemeFilesCarryOneThemeAndAnythingElseIsRefused) {
    ThemeData sea(4);
    sea.SetName(u"Sea & <Sky>");
    for (int c : {1, 2, 3}) sea.AddStyle(RGB(c, 0, 0), RGB(0, c, 0), RGB(0, 0, c), RGB(c, c, c));
    sea.RemoveStyle(1);
    ASSERT_TRUE(SaveThemeFile(sea, dir_ / "sea.vnt"));
    const std::string bytes = ReadBytes(dir_ / "sea.vnt");
    EXPECT_EQ(bytes, test::Utf16XmlFile(
                         u"<theme name=\"Sea &amp; &lt;Sky&gt;\">\n"
                         u"\t<style>\n\t\t<bg2color color=\"#000100\"/>\n"
                         u"\t\t<bgcolor color=\"#010000\"/>\n\t\t<textcolor color=\"#000001\"/>\n"
                         u"\t\t<titlecolor color=\"#010101\"/>\n\t</style>\n"
                         u"\t<style>\n\t\t<bg2color color=\"#000300\"/>\n"
                         u"\t\t<bgcolor color=\"#030000\"/>\n\t\t<textcolor color=\"#000003\"/>\n"
                         u"\t\t<titlecolor color=\"#030303\"/>\n\t</style>\n</theme>"));

    settings_.AddTheme();
    settings_.AddTheme();
    settings_.RemoveTheme(1);
    EXPECT_EQ(ImportThemeFile(settings_, dir_ / "sea.vnt"), 2) << "the next free id";
    const ThemeData read = settings_.GetTheme(2);
    EXPECT_EQ(read.GetName(), sea.GetName());
    ASSERT_EQ(read.GetStyles().size(), 2u);
    EXPECT_EQ(read.FindStyle(0), sea.FindStyle(0));
    EXPECT_EQ(read.FindStyle(1).bgcolor, sea.FindStyle(2).bgcolor) << "renumbered in order";
    EXPECT_EQ(settings_.FindTheme(2)->AddStyle(0, 0, 0, 0), 2) << "its counter follows the styles";

    test::WriteBytes(dir_ / "settings.xml",
                     test::Utf16XmlFile(u"<settings><themecollection><theme name=\"x\"/>"
                                        u"</themecollection></settings>"));
    test::WriteBytes(dir_ / "cut.vnt", bytes.substr(0, bytes.size() / 2));
    for (const char* foreign : {"settings.xml", "cut.vnt", "missing.vnt"}) {
        EXPECT_EQ(ImportThemeFile(settings_, dir_ / foreign), std::nullopt) << foreign;
    }
    EXPECT_EQ(settings_.ThemeCount(), 2u);
    EXPECT_EQ(settings_.AddTheme(), 3) << "no id was used up";
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

// The colours' round trip goes with the note and settings files.
TEST(StyleDataTest, OnlyANamedStyleWritesItsNameAndMissingColoursStay) {
    XMLElement parent(u"theme");
    StyleData named = StyleData::Fallback();
    named.name = u"Mint";
    named.SaveToElement(parent);
    StyleData().SaveToElement(parent);
    const XMLElement::ChildRange styles = parent.FindChildren(u"style");
    ASSERT_EQ(styles.size(), 2u);
    EXPECT_EQ(styles[0]->GetAttribute(u"name"), u"Mint");
    EXPECT_TRUE(styles[1]->Attributes().empty());

    StyleData read = StyleData::Fallback();
    read.LoadFromElement(
        Xml(u"<style><bgcolor color=\"#ff0000\"/><shadow color=\"#00ff00\"/></style>"));
    EXPECT_EQ(read.bgcolor, RGB(255, 0, 0));
    EXPECT_EQ(read.bg2color, RGB(0, 64, 0));
}

}  // namespace
}  // namespace vesk

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "TestSupport.h"
#include "settings/SettingsData.h"
#include "xml/TextForms.h"

namespace vesk {
namespace {

using test::TempDir;
using test::Utf16Bytes;
using test::WriteBytes;

std::string FileBytes(std::u16string_view body) {
    return "\xFF\xFE" + Utf16Bytes(u"<?xml version=\"1.0\" encoding=\"UTF-16\" ?>\n") +
           Utf16Bytes(body);
}

class SettingsFileTest : public ::testing::Test {
protected:
    // Writes a settings file with the given root content and loads it.
    bool LoadBody(std::u16string_view body) {
        WriteBytes(dir_ / "settings.xml", FileBytes(body));
        return settings_.Load(Path());
    }
    std::filesystem::path Path(const std::string& name = "settings.xml") const {
        return dir_ / name;
    }

    TempDir dir_;
    SettingsData settings_;
};

TEST(SettingsDataTest, ThemeIdsComeFromACounterThatNeverGoesBack) {
    SettingsData settings;
    EXPECT_EQ(settings.AddTheme(), 0);
    EXPECT_EQ(settings.AddTheme(), 1);
    EXPECT_EQ(settings.AddTheme(), 2);
    EXPECT_TRUE(settings.RemoveTheme(1));
    EXPECT_FALSE(settings.RemoveTheme(1));
    EXPECT_EQ(settings.AddTheme(), 3);
    EXPECT_EQ(settings.ThemeCount(), 3u);

    EXPECT_EQ(settings.GetTheme(1).GetId(), -1);
    EXPECT_TRUE(settings.GetTheme(1).GetStyles().empty());
    EXPECT_EQ(settings.FindTheme(1), nullptr);
    ASSERT_NE(settings.FindTheme(3), nullptr);
    EXPECT_EQ(settings.FindTheme(3)->GetId(), 3);

    settings.ClearThemes();
    EXPECT_EQ(settings.ThemeCount(), 0u);
    EXPECT_EQ(settings.AddTheme(), 4);
}

TEST(SettingsDataTest, NewNoteStyleDrawsFromTheSelectedTheme) {
    SettingsData settings;
    settings.SetSelectedThemeId(5);
    EXPECT_EQ(settings.NewNoteStyle(), StyleData::Fallback());
    EXPECT_EQ(settings.ThemeCount(), 0u);

    const std::int32_t id = settings.AddTheme();
    settings.SetSelectedThemeId(id);
    ThemeData& theme = *settings.FindTheme(id);
    // An empty selected theme gets its yellow style.
    EXPECT_EQ(settings.NewNoteStyle().bgcolor, RGB(255, 242, 0));
    EXPECT_EQ(theme.GetStyles().size(), 1u);

    theme.AddStyle(RGB(1, 2, 3), 0, 0, 0);
    EXPECT_EQ(settings.NewNoteStyle([] { return 1; }).bgcolor, RGB(1, 2, 3));
}

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
    const std::int32_t first = settings_.AddTheme();
    settings_.FindTheme(first)->SetName(u"First");
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
    ASSERT_TRUE(settings_.Save(Path()));

    SettingsData read;
    ASSERT_TRUE(read.Load(Path()));
    ASSERT_EQ(read.ThemeCount(), 2u);
    EXPECT_EQ(read.GetTheme(0).GetName(), u"First");
    EXPECT_EQ(read.GetTheme(1).GetName(), u"Second");
    EXPECT_EQ(read.GetTheme(1).FindStyle(0).bg2color, RGB(4, 5, 6));
    EXPECT_EQ(read.GetSelectedThemeId(), 1);
    EXPECT_EQ(read.GetAlpha(), 77);
    EXPECT_EQ(read.GetContentFont(), FontData(u"Courier New", 11, true, true));
    EXPECT_EQ(read.GetTitleFont(), FontData(u"Verdana", 9, false, true));
    EXPECT_EQ(read.GetDateFormat(), u"%d/%m/%Y");
    for (const auto& [set, get] : kSwitches) EXPECT_FALSE((read.*get)());
    EXPECT_EQ(read.GetTray(), TrayAction::ToggleShow);
    EXPECT_EQ(read.GetEmptyWaste(), EmptyWastePolicy::Always);
    EXPECT_EQ(read.GetShowNotesHotKey(), settings_.GetShowNotesHotKey());
    EXPECT_EQ(read.GetNewNoteHotKey(), settings_.GetNewNoteHotKey());
    EXPECT_EQ(read.GetAutoSaveData().GetInterval(), 60000);
    EXPECT_EQ(read.GetBackupData().GetMaxKeep(), -1);
}

TEST_F(SettingsFileTest, LoadingTwiceDoublesTheThemes) {
    const std::u16string body =
        u"<settings><themecollection>"
        u"<theme name=\"a\"/><theme name=\"b\" selected=\"true\"/><theme name=\"c\"/>"
        u"</themecollection></settings>";
    ASSERT_TRUE(LoadBody(body));
    EXPECT_EQ(settings_.ThemeCount(), 3u);
    EXPECT_EQ(settings_.GetSelectedThemeId(), 1);
    EXPECT_EQ(settings_.GetTheme(2).GetName(), u"c");

    ASSERT_TRUE(LoadBody(body));
    EXPECT_EQ(settings_.ThemeCount(), 6u);
    EXPECT_EQ(settings_.GetSelectedThemeId(), 4);
    EXPECT_EQ(settings_.GetTheme(3).GetName(), u"a");
    EXPECT_EQ(settings_.GetTheme(5).GetName(), u"c");
}

TEST_F(SettingsFileTest, NoSelectedThemeKeepsTheSelectedId) {
    ASSERT_TRUE(LoadBody(
        u"<settings><themecollection><theme name=\"a\" selected=\"TRUE\"/><theme name=\"b\"/>"
        u"<skin name=\"c\"/></themecollection></settings>"));
    EXPECT_EQ(settings_.ThemeCount(), 2u);
    EXPECT_EQ(settings_.GetSelectedThemeId(), 0);
}

TEST_F(SettingsFileTest, AlphaKeepsItsLowByte) {
    ASSERT_TRUE(LoadBody(u"<settings><default><alpha>300</alpha></default></settings>"));
    EXPECT_EQ(settings_.GetAlpha(), 44);
    ASSERT_TRUE(LoadBody(u"<settings><default><alpha>abc</alpha></default></settings>"));
    EXPECT_EQ(settings_.GetAlpha(), 0);
    ASSERT_TRUE(LoadBody(u"<settings><default><alpha>-1</alpha></default></settings>"));
    EXPECT_EQ(settings_.GetAlpha(), 255);
}

TEST_F(SettingsFileTest, UnknownActionWordsLeaveTheirFields) {
    settings_.SetEmptyWaste(EmptyWastePolicy::Never);
    ASSERT_TRUE(LoadBody(
        u"<settings><actions emptywaste=\"sometimes\" tray=\"bringtofront\"/></settings>"));
    EXPECT_EQ(settings_.GetTray(), TrayAction::BringToFront);
    EXPECT_EQ(settings_.GetEmptyWaste(), EmptyWastePolicy::Never);
    ASSERT_TRUE(LoadBody(u"<settings><actions tray=\"Never\"/></settings>"));
    EXPECT_EQ(settings_.GetTray(), TrayAction::BringToFront);
}

TEST_F(SettingsFileTest, DefaultsReadOnlyTheirOffLiterals) {
    settings_.SetShowTitle(false);
    settings_.SetRandomStyle(false);
    settings_.SetDateFormat(u"%d.%m.%Y");
    ASSERT_TRUE(
        LoadBody(u"<settings><default><title><font face=\"Tahoma\" size=\"9\"/>"
                 u"</title></default></settings>"));
    EXPECT_TRUE(settings_.GetShowTitle());
    EXPECT_TRUE(settings_.GetRandomStyle());
    EXPECT_EQ(settings_.GetDateFormat(), u"%m/%d/%Y");
    EXPECT_EQ(settings_.GetTitleFont(), FontData(u"Tahoma", 9, false, false));

    ASSERT_TRUE(
        LoadBody(u"<settings><default showtitle=\"FALSE\" randomstyle=\"false\">"
                 u"<content/></default></settings>"));
    EXPECT_TRUE(settings_.GetShowTitle());
    EXPECT_FALSE(settings_.GetRandomStyle());
    EXPECT_EQ(settings_.GetContentFont(), FontData(u"Arial", 16, false, false));
}

TEST_F(SettingsFileTest, SwitchesReadOnlyWhatTheFileNames) {
    ASSERT_TRUE(
        LoadBody(u"<settings><other>"
                 u"<setting id=\"soundEnabled\" status=\"false\"/>"
                 u"<setting id=\"showQAButtons\" status=\"yes\"/>"
                 u"<setting id=\"unknown\" status=\"false\"/>"
                 u"<setting status=\"false\"/>"
                 u"</other></settings>"));
    EXPECT_FALSE(settings_.GetSoundEnabled());
    EXPECT_FALSE(settings_.GetShowQAButtons());
    EXPECT_TRUE(settings_.GetNoteShadow());
    EXPECT_TRUE(settings_.GetAnimatedCrumple());
}

TEST_F(SettingsFileTest, HotKeysGoByIdAndTheLastWins) {
    ASSERT_TRUE(
        LoadBody(u"<settings><hotkeys>"
                 u"<hotkey id=\"newnote\" virtualKey=\"1\" used=\"true\"/>"
                 u"<hotkey id=\"other\" virtualKey=\"2\" used=\"true\"/>"
                 u"<hotkey id=\"newnote\" virtualKey=\"65614\" modifiers=\"32\"/>"
                 u"</hotkeys></settings>"));
    EXPECT_EQ(settings_.GetNewNoteHotKey(), (HotKeyData{78, 32, false, u"newnote"}));
    EXPECT_EQ(settings_.GetShowNotesHotKey(), (HotKeyData{0, 0, false, u"shownotes"}));
}

TEST_F(SettingsFileTest, FilesThatAreNotSettingsChangeNothing) {
    settings_.SetAlpha(90);
    EXPECT_FALSE(settings_.Load(Path("missing.xml")));
    EXPECT_FALSE(LoadBody(u"<settings><default><alpha>5</alpha></default>"));
    EXPECT_FALSE(
        LoadBody(u"<notecollection><default><alpha>5</alpha></default>"
                 u"<themecollection><theme/></themecollection></notecollection>"));
    WriteBytes(dir_ / "empty.xml", "");
    EXPECT_FALSE(settings_.Load(Path("empty.xml")));
    EXPECT_EQ(settings_.GetAlpha(), 90);
    EXPECT_EQ(settings_.ThemeCount(), 0u);
}

}  // namespace
}  // namespace vesk

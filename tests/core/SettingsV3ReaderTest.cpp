#include <gtest/gtest.h>

#include <string>

#include "PreviousVersionText.h"
#include "TestSupport.h"
#include "import/SettingsV3Reader.h"

namespace vesk {
namespace {

using test::TempDir;
using test::WriteBytes;

// Two themes, then alpha 'd' (100), the six switches, tray 3, policy 0, a
// content font of 24 and a title font of 16 pixels, and the two hot keys.
const std::string kSettingsText =
    "2\n"
    "1\n"
    "128 225 128 0 64 0 0 0 0 255 255 255\n"
    "Default\n"
    "2\n"
    "255 242 0 255 255 128 0 0 0 0 0 0\n"
    "10 20 30 40 50 60 70 80 90 100 110 120\n"
    "Caf\xe9 Colours\n"
    "1\n"
    "d\n"
    "0 1 0 0 0 1\n"
    "3 0\n"
    "Courier New\n"
    "24 1 0\n"
    "Tahoma\n"
    "16 0 1\n"
    "65 6 1\n"
    "78 32 0\n";

class SettingsV3ReaderTest : public ::testing::Test {
protected:
    void Load(const std::string& text) {
        WriteBytes(dir_ / "settings.dat", text);
        ASSERT_TRUE(LoadSettingsV3(settings_, dir_ / "settings.dat"));
    }

    TempDir dir_;
    SettingsData settings_;
};

TEST_F(SettingsV3ReaderTest, ReadsEveryValue) {
    for (const std::string& text : {kSettingsText, test::WindowsLines(kSettingsText)}) {
        settings_ = SettingsData();
        Load(text);
        ASSERT_EQ(settings_.ThemeCount(), 2u);
        EXPECT_EQ(settings_.GetTheme(0).GetName(), u"Default");
        EXPECT_EQ(settings_.GetTheme(0).FindStyle(0), StyleData::Fallback());
        const ThemeData second = settings_.GetTheme(1);
        EXPECT_EQ(second.GetName(), u"Caf\u00e9 Colours");
        ASSERT_EQ(second.GetStyles().size(), 2u);
        EXPECT_EQ(second.FindStyle(1), (StyleData{u"", 1, RGB(10, 20, 30), RGB(40, 50, 60),
                                                  RGB(70, 80, 90), RGB(100, 110, 120)}));
        EXPECT_EQ(settings_.GetSelectedThemeId(), 1);
        EXPECT_EQ(settings_.GetAlpha(), 100);
        EXPECT_EQ((std::vector{settings_.GetSolidOnSelect(), settings_.GetAutoSave(),
                               settings_.GetSoundEnabled(), settings_.GetAnimatedCrumple(),
                               settings_.GetNoteShadow()}),
                  (std::vector{false, false, false, false, true}));
        EXPECT_EQ(settings_.GetTray(), TrayAction::ToggleShow);
        EXPECT_EQ(settings_.GetEmptyWaste(), EmptyWastePolicy::Never);
        // Pixels become points at 96 dots per inch.
        EXPECT_EQ(settings_.GetContentFont(), FontData(u"Courier New", 18, true, false));
        EXPECT_EQ(settings_.GetTitleFont(), FontData(u"Tahoma", 12, false, true));
        EXPECT_EQ(settings_.GetShowNotesHotKey(), (HotKeyData{65, 6, true, u"shownotes"}));
        EXPECT_EQ(settings_.GetNewNoteHotKey(), (HotKeyData{78, 32, false, u"newnote"}));
    }
}

TEST_F(SettingsV3ReaderTest, ReplacesTheThemesButNotTheirCounterAndStopsAtTheEnd) {
    settings_.AddTheme();
    settings_.AddTheme();
    Load("1\n0\nOnly\n");
    ASSERT_EQ(settings_.ThemeCount(), 1u);
    EXPECT_EQ(settings_.GetTheme(2).GetName(), u"Only");
    EXPECT_TRUE(settings_.GetTheme(2).GetStyles().empty());

    // Huge counts stop at the end of the file.
    Load("2147483647\n2147483647\n1 2 3\n");
    ASSERT_EQ(settings_.ThemeCount(), 1u);
    EXPECT_TRUE(settings_.GetThemes().begin()->second.GetStyles().empty());
    Load("not a number");
    EXPECT_EQ(settings_.ThemeCount(), 0u);
}

TEST_F(SettingsV3ReaderTest, FileEndingEarlyKeepsTheRest) {
    settings_.SetTray(TrayAction::BringToFront);
    settings_.SetContentFont(FontData(u"Verdana", 10, false, false));
    // Cut inside the switches.
    Load("0\n0\nx 0 1 ");
    EXPECT_EQ(settings_.ThemeCount(), 0u);
    EXPECT_EQ(settings_.GetAlpha(), 'x');
    EXPECT_FALSE(settings_.GetSolidOnSelect());
    EXPECT_TRUE(settings_.GetAutoSave());
    EXPECT_EQ(settings_.GetTray(), TrayAction::BringToFront);
    EXPECT_EQ(settings_.GetContentFont(), FontData(u"Verdana", 10, false, false));
    EXPECT_EQ(settings_.GetShowNotesHotKey(), (HotKeyData{0, 0, false, u"shownotes"}));
}

TEST_F(SettingsV3ReaderTest, MissingFileGivesThePreviousDefaults) {
    // Earlier themes have used up id 0; the selection follows the new theme.
    settings_.AddTheme();
    settings_.SetSolidOnSelect(false);
    settings_.SetAlpha(20);
    settings_.SetContentFont(FontData(u"Verdana", 10, true, false));
    ASSERT_TRUE(LoadSettingsV3(settings_, dir_ / "missing.dat"));

    ASSERT_EQ(settings_.ThemeCount(), 1u);
    const auto& [id, theme] = *settings_.GetThemes().begin();
    EXPECT_EQ(settings_.GetSelectedThemeId(), id);
    EXPECT_EQ(theme.GetName(), u"Default");
    ASSERT_EQ(theme.GetStyles().size(), 1u);
    EXPECT_EQ(theme.FindStyle(0), StyleData::Fallback());
    EXPECT_TRUE(settings_.GetSolidOnSelect());
    EXPECT_EQ(settings_.GetAlpha(), 200);
    EXPECT_EQ(settings_.GetContentFont(), FontData(u"Arial", 16, false, false));
    EXPECT_EQ(settings_.GetShowNotesHotKey(), (HotKeyData{83, 32, true, u"shownotes"}));
    EXPECT_EQ(settings_.GetNewNoteHotKey(), (HotKeyData{78, 32, true, u"newnote"}));
}

}  // namespace
}  // namespace vesk

#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "notes/MessageNoteData.h"
#include "settings/SettingsData.h"
#include "xml/TextForms.h"
#include "xml/XMLDocument.h"
#include "xml/XMLElement.h"

namespace vesk {
namespace {

using test::ReadBytes;
using test::TempDir;

// The installation's default files, copied into the data folder at first start.
std::filesystem::path DefaultFile(const char* name) {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
           "default" / name;
}

TEST(DefaultFilesTest, SettingsSelectTheDefaultThemeAndBindBothHotKeys) {
    SettingsData settings;
    ASSERT_TRUE(settings.Load(DefaultFile("settings.xml")));
    ASSERT_EQ(settings.ThemeCount(), 1u);
    const ThemeData theme = settings.GetTheme(settings.GetSelectedThemeId());
    EXPECT_EQ(theme.GetName(), u"Default");
    ASSERT_EQ(theme.GetStyles().size(), 1u);
    EXPECT_EQ(theme.FindStyle(0), StyleData::Fallback());
    EXPECT_EQ(settings.GetShowNotesHotKey(), (HotKeyData{'S', 32, true, u"shownotes"}));
    EXPECT_EQ(settings.GetNewNoteHotKey(), (HotKeyData{'N', 32, true, u"newnote"}));
    EXPECT_TRUE(settings.GetBackupData().IsEnabled());
    EXPECT_TRUE(settings.GetAutoSaveData().IsEnabled());

    // The file is exactly what the program itself writes.
    TempDir dir;
    ASSERT_TRUE(settings.Save(dir / "settings.xml"));
    EXPECT_EQ(ReadBytes(dir / "settings.xml"), ReadBytes(DefaultFile("settings.xml")));
}

TEST(DefaultFilesTest, NotesHoldOneWelcomeNoteOnTheDesktop) {
    test::ScopedTimeZone utc("UTC");
    XMLDocument document;
    ASSERT_TRUE(document.Load(DefaultFile("notes.xml")));
    const XMLElement* root = document.GetRoot();
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(root->GetName(), u"notecollection");
    const XMLElement* active = root->FindChild(u"active");
    const XMLElement* wastebasket = root->FindChild(u"wastebasket");
    ASSERT_NE(active, nullptr);
    ASSERT_NE(wastebasket, nullptr);
    EXPECT_TRUE(wastebasket->Children().empty());
    ASSERT_EQ(active->Children().size(), 1u);
    const XMLElement& element = *active->Children().begin()->second;
    EXPECT_EQ(element.GetAttribute(u"type"), u"message");

    MessageNoteData note;
    note.LoadFromElement(element);
    EXPECT_EQ(note.GetState(), NoteData::kStateShown);
    EXPECT_TRUE(note.GetFont().IsDefault());
    for (const char* words : {"tray icon", "double-click it", "*Crumple*", "Ctrl+T"}) {
        EXPECT_NE(WideToUtf8(note.GetText()).find(words), std::string::npos) << words;
    }

    XMLDocument again;
    XMLElement& collection = again.CreateRoot(u"notecollection");
    collection.SetAttribute(u"version", u"4.00");
    note.SaveToElement(collection.AddChild(u"active"), false);
    collection.AddChild(u"wastebasket");
    TempDir dir;
    ASSERT_TRUE(again.Save(dir / "notes.xml"));
    EXPECT_EQ(ReadBytes(dir / "notes.xml"), ReadBytes(DefaultFile("notes.xml")));
}

}  // namespace
}  // namespace vesk

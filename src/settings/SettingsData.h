#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "backup/AutoSaveData.h"
#include "backup/BackupData.h"
#include "settings/FontData.h"
#include "settings/HotKeyData.h"
#include "settings/StyleData.h"
#include "settings/ThemeData.h"
#include "xml/FileIO.h"

namespace vesk {

class XMLElement;

// What a double-click on the tray icon does. Values outside the list are kept
// as read and do nothing.
enum class TrayAction : std::uint32_t {
    None = 0,
    CreateNote = 1,
    CreateChecklist = 2,
    ToggleShow = 3,
    BringToFront = 4,
};

// When the wastebasket is emptied.
enum class EmptyWastePolicy : std::uint32_t {
    Never = 0,
    OnExit = 1,
    Always = 2,
};

// The program-wide settings, with the theme collection, held once by the
// main frame and stored in the settings file. Setters have no side effects.
class SettingsData {
public:
    using ThemeMap = std::map<std::int32_t, ThemeData>;

    SettingsData();

    // Writes the settings file; says why when it cannot be written.
    FileResult Save(const std::filesystem::path& path) const;
    // Reads a settings file into this object. False, with nothing changed,
    // when the file is not well-formed XML or its root is not "settings";
    // themes read are added to those already held.
    bool Load(const std::filesystem::path& path);

    // Themes. Ids come from a counter that never goes back while the program
    // runs; the selected id may name no theme.
    std::int32_t AddTheme();
    bool RemoveTheme(std::int32_t id);
    void ClearThemes();
    // A copy of the theme, or a blank one with id -1 outside the collection.
    ThemeData GetTheme(std::int32_t id) const;
    ThemeData* FindTheme(std::int32_t id);
    const ThemeMap& GetThemes() const { return themes_; }
    std::size_t ThemeCount() const { return themes_.size(); }
    std::int32_t GetSelectedThemeId() const { return selectedThemeId_; }
    void SetSelectedThemeId(std::int32_t id) { selectedThemeId_ = id; }
    // A random style of the selected theme, or the fallback style when the
    // selected id names no theme.
    StyleData NewNoteStyle(const RandomSource& random = StandardRandom);

    std::uint8_t GetAlpha() const { return alpha_; }
    void SetAlpha(std::uint8_t alpha) { alpha_ = alpha; }
    FontData& GetContentFont() { return contentFont_; }
    const FontData& GetContentFont() const { return contentFont_; }
    void SetContentFont(const FontData& font) { contentFont_ = font; }
    FontData& GetTitleFont() { return titleFont_; }
    const FontData& GetTitleFont() const { return titleFont_; }
    void SetTitleFont(const FontData& font) { titleFont_ = font; }
    // Date format (strftime form) of new titles, alarm times and Notebook dates.
    const std::u16string& GetDateFormat() const { return dateFormat_; }
    void SetDateFormat(std::u16string format) { dateFormat_ = std::move(format); }

    bool GetSolidOnSelect() const { return solidOnSelect_; }
    void SetSolidOnSelect(bool on) { solidOnSelect_ = on; }
    // Stored and written back only; auto-save itself follows GetAutoSaveData().
    bool GetAutoSave() const { return autoSave_; }
    void SetAutoSave(bool on) { autoSave_ = on; }
    bool GetSoundEnabled() const { return soundEnabled_; }
    void SetSoundEnabled(bool on) { soundEnabled_ = on; }
    bool GetAnimatedCrumple() const { return animatedCrumple_; }
    void SetAnimatedCrumple(bool on) { animatedCrumple_ = on; }
    bool GetNoteShadow() const { return noteShadow_; }
    void SetNoteShadow(bool on) { noteShadow_ = on; }
    bool GetShowQAButtons() const { return showQAButtons_; }
    void SetShowQAButtons(bool on) { showQAButtons_ = on; }
    bool GetShowTitle() const { return showTitle_; }
    void SetShowTitle(bool on) { showTitle_ = on; }
    // Stored and written back only.
    bool GetEnableAlpha() const { return enableAlpha_; }
    void SetEnableAlpha(bool on) { enableAlpha_ = on; }
    bool GetRandomStyle() const { return randomStyle_; }
    void SetRandomStyle(bool on) { randomStyle_ = on; }

    TrayAction GetTray() const { return tray_; }
    void SetTray(TrayAction action) { tray_ = action; }
    EmptyWastePolicy GetEmptyWaste() const { return emptyWaste_; }
    void SetEmptyWaste(EmptyWastePolicy policy) { emptyWaste_ = policy; }

    HotKeyData& GetShowNotesHotKey() { return showNotesHotKey_; }
    const HotKeyData& GetShowNotesHotKey() const { return showNotesHotKey_; }
    HotKeyData& GetNewNoteHotKey() { return newNoteHotKey_; }
    const HotKeyData& GetNewNoteHotKey() const { return newNoteHotKey_; }

    AutoSaveData& GetAutoSaveData() { return autoSaveData_; }
    const AutoSaveData& GetAutoSaveData() const { return autoSaveData_; }
    BackupData& GetBackupData() { return backupData_; }
    const BackupData& GetBackupData() const { return backupData_; }

private:
    using Switch = bool SettingsData::*;
    // The on/off switch stored under that setting name, or nullptr.
    static Switch FindSwitch(std::u16string_view name);

    void LoadThemes(const XMLElement& element);
    void LoadActions(const XMLElement& element);
    void LoadDefaults(const XMLElement& element);
    void LoadHotKeys(const XMLElement& element);
    void LoadSwitches(const XMLElement& element);
    void SaveDefaults(XMLElement& root) const;

    ThemeMap themes_;
    std::int32_t nextThemeId_ = 0;
    std::int32_t selectedThemeId_ = 0;
    std::uint8_t alpha_ = 200;
    FontData contentFont_;
    FontData titleFont_;
    std::u16string dateFormat_ = u"%m/%d/%Y";
    bool solidOnSelect_ = true;
    bool autoSave_ = true;
    bool soundEnabled_ = true;
    bool animatedCrumple_ = true;
    bool noteShadow_ = true;
    bool showQAButtons_ = true;
    bool showTitle_ = true;
    bool enableAlpha_ = true;
    bool randomStyle_ = true;
    TrayAction tray_ = TrayAction::CreateNote;
    EmptyWastePolicy emptyWaste_ = EmptyWastePolicy::OnExit;
    HotKeyData showNotesHotKey_;
    HotKeyData newNoteHotKey_;
    AutoSaveData autoSaveData_;
    BackupData backupData_;
};

}  // namespace vesk

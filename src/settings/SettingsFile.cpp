// The settings file: writing and reading SettingsData as XML.
#include <array>

#include "settings/SettingsData.h"
#include "xml/TextForms.h"
#include "xml/XMLDocument.h"
#include "xml/XMLElement.h"

namespace vesk {

namespace {

constexpr std::u16string_view kDefaultDateFormat = u"%m/%d/%Y";

// The setting elements in the order they are written.
constexpr std::array<std::u16string_view, 7> kSwitchNames = {
    u"soundEnabled",  u"animatedCrumple", u"autoSave",      u"noteShadow",
    u"solidOnSelect", u"enableAlpha",     u"showQAButtons",
};

constexpr std::array<std::u16string_view, 3> kEmptyWasteWords = {u"never", u"onexit", u"always"};
constexpr std::array<std::u16string_view, 5> kTrayWords = {
    u"none", u"createnote", u"createchecklist", u"toggleshow", u"bringtofront"};

// The word for a value, or none for a value outside the list.
template <std::size_t N>
const std::u16string_view* WordFor(const std::array<std::u16string_view, N>& words,
                                   std::uint32_t value) {
    return value < N ? &words[value] : nullptr;
}

// The value of a word, or -1 when the word is none of the list.
template <std::size_t N>
int ValueOf(const std::array<std::u16string_view, N>& words, std::u16string_view word) {
    for (std::size_t i = 0; i < N; ++i) {
        if (words[i] == word) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

SettingsData::Switch SettingsData::FindSwitch(std::u16string_view name) {
    static constexpr std::array<Switch, kSwitchNames.size()> kFields = {
        &SettingsData::soundEnabled_,  &SettingsData::animatedCrumple_, &SettingsData::autoSave_,
        &SettingsData::noteShadow_,    &SettingsData::solidOnSelect_,   &SettingsData::enableAlpha_,
        &SettingsData::showQAButtons_,
    };
    const int index = ValueOf(kSwitchNames, name);
    return index < 0 ? nullptr : kFields[static_cast<std::size_t>(index)];
}

FileResult SettingsData::Save(const std::filesystem::path& path) const {
    XMLDocument document;
    XMLElement& root = document.CreateRoot(u"settings");
    root.SetAttribute(u"version", RealToText(4.0));

    XMLElement& collection = root.AddChild(u"themecollection");
    for (const auto& [id, theme] : themes_) {
        theme.SaveToElement(collection, id == selectedThemeId_);
    }
    autoSaveData_.SaveToElement(root);
    backupData_.SaveToElement(root);

    XMLElement& actions = root.AddChild(u"actions");
    if (const auto* word = WordFor(kEmptyWasteWords, static_cast<std::uint32_t>(emptyWaste_))) {
        actions.SetAttribute(u"emptywaste", std::u16string(*word));
    }
    if (const auto* word = WordFor(kTrayWords, static_cast<std::uint32_t>(tray_))) {
        actions.SetAttribute(u"tray", std::u16string(*word));
    }

    SaveDefaults(root);

    XMLElement& hotKeys = root.AddChild(u"hotkeys");
    showNotesHotKey_.SaveToElement(hotKeys);
    newNoteHotKey_.SaveToElement(hotKeys);

    XMLElement& other = root.AddChild(u"other");
    for (const std::u16string_view name : kSwitchNames) {
        XMLElement& setting = other.AddChild(u"setting", true);
        setting.SetAttribute(u"id", std::u16string(name));
        setting.SetAttribute(u"status", BoolToText(this->*FindSwitch(name)));
    }
    return document.Save(path);
}

void SettingsData::SaveDefaults(XMLElement& root) const {
    XMLElement& defaults = root.AddChild(u"default");
    defaults.SetAttribute(u"randomstyle", BoolToText(randomStyle_));
    defaults.SetAttribute(u"showtitle", BoolToText(showTitle_));
    contentFont_.SaveToElement(defaults.AddChild(u"content"));
    XMLElement& title = defaults.AddChild(u"title");
    titleFont_.SaveToElement(title);
    title.AddChild(u"text").SetText(dateFormat_);
    defaults.AddChild(u"alpha").SetText(IntToText(alpha_));
}

bool SettingsData::Load(const std::filesystem::path& path) {
    XMLDocument document;
    if (!document.Load(path)) {
        return false;
    }
    const XMLElement* root = document.GetRoot();
    // Another kind of file: the caller puts the default settings file back.
    if (root == nullptr || root->GetName() != u"settings") {
        return false;
    }
    for (const XMLElement* child : root->Children()) {
        const std::u16string_view name = child->GetName();
        if (name == u"themecollection") {
            LoadThemes(*child);
        } else if (name == u"actions") {
            LoadActions(*child);
        } else if (name == u"default") {
            LoadDefaults(*child);
        } else if (name == u"hotkeys") {
            LoadHotKeys(*child);
        } else if (name == u"autosave") {
            autoSaveData_.LoadFromElement(*child);
        } else if (name == u"backup") {
            backupData_.LoadFromElement(*child);
        } else if (name == u"other") {
            LoadSwitches(*child);
        }
    }
    return true;
}

void SettingsData::LoadThemes(const XMLElement& element) {
    for (const XMLElement* theme : element.FindChildren(u"theme")) {
        const std::int32_t id = AddTheme();
        themes_.at(id).LoadFromElement(*theme);
        if (theme->GetAttribute(u"selected") == u"true") {
            selectedThemeId_ = id;
        }
    }
}

void SettingsData::LoadActions(const XMLElement& element) {
    if (const int value = ValueOf(kEmptyWasteWords, element.GetAttribute(u"emptywaste"));
        value >= 0) {
        emptyWaste_ = static_cast<EmptyWastePolicy>(value);
    }
    if (const int value = ValueOf(kTrayWords, element.GetAttribute(u"tray")); value >= 0) {
        tray_ = static_cast<TrayAction>(value);
    }
}

void SettingsData::LoadDefaults(const XMLElement& element) {
    showTitle_ = element.GetAttribute(u"showtitle") != u"false";
    randomStyle_ = element.GetAttribute(u"randomstyle") != u"false";
    for (const XMLElement* child : element.Children()) {
        const std::u16string_view name = child->GetName();
        if (name == u"content") {
            if (const XMLElement* font = child->FindChild(u"font")) {
                contentFont_.LoadFromElement(*font);
            }
        } else if (name == u"title") {
            if (const XMLElement* font = child->FindChild(u"font")) {
                titleFont_.LoadFromElement(*font);
            }
            const XMLElement* text = child->FindChild(u"text");
            dateFormat_ = text != nullptr ? text->GetText() : kDefaultDateFormat;
        } else if (name == u"alpha") {
            // Kept to its low byte, as a value beyond 255 wraps.
            alpha_ =
                static_cast<std::uint8_t>(static_cast<std::uint32_t>(TextToInt(child->GetText())));
        }
    }
}

void SettingsData::LoadHotKeys(const XMLElement& element) {
    for (const XMLElement* hotKey : element.FindChildren(u"hotkey")) {
        HotKeyData key;
        key.LoadFromElement(*hotKey);
        if (key.id == u"shownotes") {
            showNotesHotKey_ = key;
        } else if (key.id == u"newnote") {
            newNoteHotKey_ = key;
        }
    }
}

void SettingsData::LoadSwitches(const XMLElement& element) {
    for (const XMLElement* setting : element.FindChildren(u"setting")) {
        if (const Switch field = FindSwitch(setting->GetAttribute(u"id"))) {
            this->*field = setting->GetAttribute(u"status") == u"true";
        }
    }
}

}  // namespace vesk

#include "settings/SettingsData.h"

namespace vesk {

SettingsData::SettingsData()
    : contentFont_(u"Arial", 16, false, false), titleFont_(u"Arial", 16, false, false) {
    showNotesHotKey_.id = u"shownotes";
    newNoteHotKey_.id = u"newnote";
}

std::int32_t SettingsData::AddTheme() {
    while (themes_.contains(nextThemeId_)) {
        ++nextThemeId_;
    }
    const std::int32_t id = nextThemeId_++;
    themes_.emplace(id, ThemeData(id));
    return id;
}

bool SettingsData::RemoveTheme(std::int32_t id) { return themes_.erase(id) > 0; }

void SettingsData::ClearThemes() { themes_.clear(); }

ThemeData SettingsData::GetTheme(std::int32_t id) const {
    const auto it = themes_.find(id);
    return it == themes_.end() ? ThemeData(-1) : it->second;
}

ThemeData* SettingsData::FindTheme(std::int32_t id) {
    const auto it = themes_.find(id);
    return it == themes_.end() ? nullptr : &it->second;
}

StyleData SettingsData::NewNoteStyle(const RandomSource& random) {
    ThemeData* theme = FindTheme(selectedThemeId_);
    return theme != nullptr ? theme->RandomStyle(random) : StyleData::Fallback();
}

}  // namespace vesk

#include "app/NoteSettings.h"

#include "notes/NoteCollection.h"
#include "notewnd/CVeskNoteWnd.h"
#include "settings/SettingsData.h"

namespace vesk {
namespace {

FontData& MadeUsable(FontData& font) {
    if (!font.MakeUsable()) {
        font = FontData::Fallback();
        font.MakeUsable();
    }
    return font;
}

}  // namespace

void ApplyNoteSettings(SettingsData& settings, NoteCollection& collection) {
    CVeskNoteWnd::SetTitleFont(MadeUsable(settings.GetTitleFont()));
    CVeskNoteWnd::SetDefaultContentFont(MadeUsable(settings.GetContentFont()));
    collection.ApplySettingsToAll();
}

}  // namespace vesk

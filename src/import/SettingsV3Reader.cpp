#include "import/SettingsV3Reader.h"

#include <cstdint>
#include <fstream>
#include <string>

#include "import/FormsV3.h"
#include "import/NarrowStream.h"

namespace vesk {

namespace {

void ApplyDefaults(SettingsData& settings) {
    const std::int32_t id = settings.AddTheme();
    ThemeData& theme = *settings.FindTheme(id);
    theme.SetName(u"Default");
    const StyleData green = StyleData::Fallback();
    theme.AddStyle(green.bgcolor, green.bg2color, green.textcolor, green.titlecolor);
    // The theme's own id rather than a fixed 0, so the selection holds even
    // when earlier themes have used up id 0.
    settings.SetSelectedThemeId(id);
    settings.SetSolidOnSelect(true);
    settings.SetContentFont(FontData(u"Arial", 16, false, false));
    settings.SetAlpha(200);
    for (HotKeyData* key : {&settings.GetShowNotesHotKey(), &settings.GetNewNoteHotKey()}) {
        key->modifiers = HotKeyData::kWindows;
        key->used = true;
    }
    settings.GetShowNotesHotKey().virtualKey = 'S';
    settings.GetNewNoteHotKey().virtualKey = 'N';
}

void ReadTheme(NarrowStream& in, ThemeData& theme) {
    theme.ClearStyles();
    std::int32_t styles = 0;
    in.ReadInt32(styles);
    for (std::int32_t i = 0; i < styles && !in.Failed(); ++i) {
        StyleData style;
        ReadStyleV3(in, style);
        if (!in.Failed()) {
            theme.AddStyle(style.bgcolor, style.bg2color, style.textcolor, style.titlecolor);
        }
    }
    in.SkipRestOfLine();
    std::string name;
    if (in.ReadLine(name)) {
        theme.SetName(NarrowToWide(name));
    }
}

void ReadSwitches(NarrowStream& in, SettingsData& settings) {
    bool flag = false;
    if (in.ReadFlag(flag)) settings.SetSolidOnSelect(flag);
    // The previous version kept a switch here that nothing ever read.
    in.ReadFlag(flag);
    if (in.ReadFlag(flag)) settings.SetAutoSave(flag);
    if (in.ReadFlag(flag)) settings.SetSoundEnabled(flag);
    if (in.ReadFlag(flag)) settings.SetAnimatedCrumple(flag);
    if (in.ReadFlag(flag)) settings.SetNoteShadow(flag);
}

void ReadHotKey(NarrowStream& in, HotKeyData& key) {
    std::uint16_t virtualKey = 0;
    std::uint16_t modifiers = 0;
    bool used = false;
    if (in.ReadUInt16(virtualKey)) key.virtualKey = virtualKey;
    if (in.ReadUInt16(modifiers)) key.modifiers = modifiers;
    if (in.ReadFlag(used)) key.used = used;
}

}  // namespace

bool LoadSettingsV3(SettingsData& settings, const std::filesystem::path& path) {
    settings.ClearThemes();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        ApplyDefaults(settings);
        return true;
    }
    NarrowStream in(file);

    std::int32_t themes = 0;
    in.ReadInt32(themes);
    // Every theme takes input, so a count beyond the file stops at its end.
    for (std::int32_t i = 0; i < themes && !in.Failed(); ++i) {
        ReadTheme(in, *settings.FindTheme(settings.AddTheme()));
    }

    std::int32_t selected = 0;
    if (in.ReadInt32(selected)) settings.SetSelectedThemeId(selected);
    std::uint8_t alpha = 0;
    if (in.ReadByte(alpha)) settings.SetAlpha(alpha);
    ReadSwitches(in, settings);
    std::uint32_t value = 0;
    if (in.ReadUInt32(value)) settings.SetTray(static_cast<TrayAction>(value));
    if (in.ReadUInt32(value)) settings.SetEmptyWaste(static_cast<EmptyWastePolicy>(value));

    // A font cut short by the end of the file is no font at all.
    FontData font = ReadFontV3(in);
    if (!in.Failed()) settings.SetContentFont(font);
    font = ReadFontV3(in);
    if (!in.Failed()) settings.SetTitleFont(font);

    ReadHotKey(in, settings.GetShowNotesHotKey());
    ReadHotKey(in, settings.GetNewNoteHotKey());
    return true;
}

}  // namespace vesk

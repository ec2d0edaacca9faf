#include "settings/ThemeFile.h"

#include "settings/SettingsData.h"
#include "xml/XMLDocument.h"

namespace vesk {

FileResult SaveThemeFile(const ThemeData& theme, const std::filesystem::path& path) {
    XMLDocument document;
    theme.FillElement(document.CreateRoot(u"theme"), false);
    return document.Save(path);
}

std::optional<std::int32_t> ImportThemeFile(SettingsData& settings,
                                            const std::filesystem::path& path) {
    XMLDocument document;
    if (!document.Load(path)) return std::nullopt;
    const XMLElement* root = document.GetRoot();
    if (root == nullptr || root->GetName() != u"theme") return std::nullopt;
    const std::int32_t id = settings.AddTheme();
    settings.FindTheme(id)->LoadFromElement(*root);
    return id;
}

}  // namespace vesk

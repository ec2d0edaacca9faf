#pragma once

#include "settings/FontData.h"

namespace vesk {

// The fonts that every note shares: the title font, with the title bar
// height that follows from it, and the content font of notes that use the
// default font.
class NoteFonts {
public:
    // Fonts the engine cannot make fall back to the system's fallback font.
    static void SetTitleFont(const FontData& font);
    static const FontData& GetTitleFont() { return titleFont_; }
    static int GetTitleBarHeight() { return titleBarHeight_; }
    static void SetDefaultContentFont(const FontData& font);
    static const FontData& GetDefaultContentFont() { return defaultContentFont_; }

private:
    static FontData titleFont_;
    static int titleBarHeight_;
    static FontData defaultContentFont_;
};

}  // namespace vesk

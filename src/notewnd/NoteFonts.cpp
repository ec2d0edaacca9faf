#include "notewnd/NoteFonts.h"

#include "notewnd/NoteGeometry.h"

namespace vesk {

namespace {

// Font records copy without their drawing fonts: each shared font makes its
// own, falling back when the engine cannot make it.
void MakeUsableOrFallback(FontData& font) {
    if (!font.MakeUsable()) {
        font = FontData::Fallback();
        font.MakeUsable();
    }
}

}  // namespace

FontData NoteFonts::titleFont_;
int NoteFonts::titleBarHeight_ = TitleBarHeightFor(0);
FontData NoteFonts::defaultContentFont_;

void NoteFonts::SetTitleFont(const FontData& font) {
    titleFont_ = font;
    MakeUsableOrFallback(titleFont_);
    titleBarHeight_ = TitleBarHeightFor(titleFont_.GetHeight());
}

void NoteFonts::SetDefaultContentFont(const FontData& font) {
    defaultContentFont_ = font;
    MakeUsableOrFallback(defaultContentFont_);
}

}  // namespace vesk

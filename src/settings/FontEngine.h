#pragma once

#include <memory>

namespace vesk {

class FontData;

// The drawing fonts that a font record caches: a plain font and, where the
// engine could make one, an underlined link font. The engine that made them
// knows their concrete type; the core only asks for the line height.
class DrawingFonts {
public:
    virtual ~DrawingFonts() = default;
    // Line height of the plain font in pixels at the screen resolution.
    virtual int GetHeight() const = 0;
};

// Makes drawing fonts from a font record. The user interface registers one at
// start-up; the core has no text-drawing library of its own.
class FontEngine {
public:
    virtual ~FontEngine() = default;
    // None when no plain font can be made from the record's fields.
    virtual std::unique_ptr<DrawingFonts> MakeFonts(const FontData& font, bool preferGdiPlus) = 0;
    // Vertical resolution of the screen in dots per inch.
    virtual double GetScreenResolution() const = 0;
};

// The engine stays owned by the caller and must outlive its registration;
// nullptr unregisters it.
void RegisterFontEngine(FontEngine* engine);
FontEngine* GetFontEngine();

// The registered engine's resolution, or the usual 96 dots per inch without
// one or when it reports a value that cannot be right.
double GetScreenResolution();

}  // namespace vesk

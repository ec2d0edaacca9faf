#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "settings/FontEngine.h"

namespace vesk {

class XMLElement;

// A font: face, size in points, bold and italics, plus the drawing fonts made
// from them. The drawing fonts are a cache tied to the registered font engine
// and are never copied.
class FontData {
public:
    FontData() = default;
    FontData(std::u16string face, std::int32_t size, bool bold, bool italics);
    FontData(const FontData& other);
    FontData& operator=(const FontData& other);
    ~FontData();

    // The system-wide fallback when a font cannot be made usable.
    static FontData Fallback();

    const std::u16string& GetFace() const { return face_; }
    void SetFace(std::u16string face) { face_ = std::move(face); }
    std::int32_t GetSize() const { return size_; }
    void SetSize(std::int32_t size) { size_ = size; }
    bool GetBold() const { return bold_; }
    void SetBold(bool bold) { bold_ = bold; }
    bool GetItalics() const { return italics_; }
    void SetItalics(bool italics) { italics_ = italics; }

    // "Default" (exact case), an empty face or size 0 stand for the settings'
    // content font.
    bool IsDefault() const;

    // Remakes the drawing fonts through the registered engine. Without an
    // engine there is nothing to make and the font counts as usable.
    bool MakeUsable(bool preferGdiPlus = true);
    // Line height of the plain drawing font; 0 without drawing fonts.
    int GetHeight() const;
    // The engine's fonts, for the user interface to draw and measure with.
    const DrawingFonts* GetDrawingFonts() const { return fonts_.get(); }

    void SaveToElement(XMLElement& parent) const;
    void LoadFromElement(const XMLElement& element);

    // The four fields; the drawing fonts do not take part.
    bool operator==(const FontData& other) const;

private:
    std::u16string face_ = u"Default";
    std::int32_t size_ = 0;
    bool bold_ = false;
    bool italics_ = false;
    std::unique_ptr<DrawingFonts> fonts_;
};

}  // namespace vesk

#pragma once

#include <cstdint>
#include <string>

#include "xml/TextForms.h"

namespace vesk {

class XMLElement;

// A note colour style: a display name, its id inside a theme and four colours.
struct StyleData {
    std::u16string name;
    std::int32_t id = 0;
    COLORREF bgcolor = 0;
    COLORREF bg2color = 0;
    COLORREF textcolor = 0;
    COLORREF titlecolor = 0;

    // The style used when nothing better is known.
    static StyleData Fallback();

    void SetColors(COLORREF bg, COLORREF bg2, COLORREF text, COLORREF title);

    // The name is written for people reading the file but never read back, and
    // the id is not stored at all: both belong to the theme that holds the style.
    void SaveToElement(XMLElement& parent) const;
    void LoadFromElement(const XMLElement& element);

    bool operator==(const StyleData& other) const = default;
};

}  // namespace vesk

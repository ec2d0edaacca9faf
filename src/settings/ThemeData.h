#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "settings/StyleData.h"

namespace vesk {

class XMLElement;

// Where random style draws come from: the standard generator, seeded once at
// start-up, unless a caller (a test) hands in its own.
using RandomSource = std::function<int()>;
int StandardRandom();

// A named set of colour styles. Style ids are handed out from a counter that
// never goes back while the theme lives; a style's own id equals its key.
class ThemeData {
public:
    using StyleMap = std::map<std::int32_t, StyleData>;

    explicit ThemeData(std::int32_t id) : id_(id) {}

    std::int32_t GetId() const { return id_; }
    const std::u16string& GetName() const { return name_; }
    void SetName(std::u16string name) { name_ = std::move(name); }
    // In ascending id, the theme's style order.
    const StyleMap& GetStyles() const { return styles_; }

    std::int32_t AddStyle(COLORREF bgcolor, COLORREF bg2color, COLORREF textcolor,
                          COLORREF titlecolor);
    bool RemoveStyle(std::int32_t id);
    // A copy of the style, or a default style when there is none.
    StyleData FindStyle(std::int32_t id) const;
    // The style itself, to change its colours; nullptr when there is none.
    StyleData* EditStyle(std::int32_t id);
    // A copy of one style drawn at random; a theme without styles first gets
    // a yellow one and keeps it.
    StyleData RandomStyle(const RandomSource& random = StandardRandom);
    // Removes every style and restarts the id counter.
    void ClearStyles();

    void SaveToElement(XMLElement& parent, bool selected) const;
    // Writes the name, the mark and the styles into a theme element made
    // elsewhere (the root of a theme file).
    void FillElement(XMLElement& element, bool selected) const;
    // Reads the name and the styles, numbering them 0, 1, 2, ... in file
    // order; the theme's own id is not stored.
    void LoadFromElement(const XMLElement& element);

private:
    std::u16string name_;
    std::int32_t id_;
    StyleMap styles_;
    std::int32_t nextStyleId_ = 0;
};

}  // namespace vesk

#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "notes/ChecklistNoteData.h"
#include "notewnd/QtTextMeasurer.h"
#include "notewnd/TextLayout.h"
#include "settings/FontData.h"

class QPaintDevice;

namespace vesk {

// The items' texts cut into measured tokens, one paragraph per item in item
// order, so that painting only wraps. An item whose text ends in "!" is
// measured in the bold form of the font: it is drawn bold while it is open.
class ChecklistLayout {
public:
    // Measured for the device, the screen when none is given.
    void Build(const std::vector<ChecklistItem>& items, const FontData& font,
               QPaintDevice* device = nullptr);
    // Built in this font for this many items; the items change only through
    // edits that build it again, the font whenever the settings change.
    bool IsBuiltFor(std::size_t items, const FontData& font) const {
        return plain_.has_value() && paragraphs_.size() == items && font_ == font;
    }

    const TextParagraph& Paragraph(std::size_t item) const { return paragraphs_[item]; }
    // Measured, and drawn while open, in the bold font.
    bool EndsInExclamation(std::size_t item) const { return exclaimed_[item]; }
    const QtTextMeasurer& PlainFont() const { return *plain_; }
    const QtTextMeasurer& BoldFont() const { return *bold_; }

private:
    FontData font_;
    std::optional<QtTextMeasurer> plain_;
    std::optional<QtTextMeasurer> bold_;
    TextLayout paragraphs_;
    std::vector<bool> exclaimed_;
};

}  // namespace vesk

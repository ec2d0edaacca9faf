#include "notewnd/ChecklistLayout.h"

namespace vesk {

namespace {

bool EndsWithExclamationMark(const TextParagraph& paragraph) {
    return !paragraph.empty() && !paragraph.back().text.empty() &&
           paragraph.back().text.back() == u'!';
}

}  // namespace

void ChecklistLayout::Build(const std::vector<ChecklistItem>& items, const FontData& font,
                            QPaintDevice* device) {
    font_ = font;
    plain_.emplace(font, device);
    FontData bold = font;
    bold.SetBold(true);
    bold_.emplace(bold, device);
    paragraphs_.clear();
    exclaimed_.clear();
    paragraphs_.reserve(items.size());
    exclaimed_.reserve(items.size());
    for (const ChecklistItem& item : items) {
        // One paragraph whatever line feeds the text holds (older files and
        // imports have them), so items and paragraphs stay in step.
        ProcessParagraphText(item.text, paragraphs_, *plain_);
        const bool exclaimed = EndsWithExclamationMark(paragraphs_.back());
        if (exclaimed) {
            paragraphs_.pop_back();
            ProcessParagraphText(item.text, paragraphs_, *bold_);
        }
        exclaimed_.push_back(exclaimed);
    }
}

}  // namespace vesk

#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "notes/NoteData.h"

namespace vesk {

struct ChecklistItem {
    bool checked = false;
    std::u16string text;

    bool operator==(const ChecklistItem& other) const = default;
};

// A note of items that can each be ticked.
class ChecklistNoteData : public NoteData {
public:
    ChecklistNoteData();

    // The items too, so a cancelled edit puts back what Clear Contents took.
    void CopyFrom(const NoteData& other) override;

    bool SaveContent(XMLElement& content) const override;
    bool LoadContent(const XMLElement& content) override;
    std::u16string GetTypeName() const override;

    // In display order; the checklist window edits them in place.
    std::vector<ChecklistItem>& GetItems() { return items_; }
    const std::vector<ChecklistItem>& GetItems() const { return items_; }
    void AddItem(std::u16string text, bool checked);
    // An index past the end changes nothing.
    void ToggleItem(std::size_t index);
    void ClearItems() { items_.clear(); }
    // One line per item, "*" for ticked and "-" for open ones: the clipboard form.
    std::u16string GetPlainText() const;

private:
    std::vector<ChecklistItem> items_;
};

}  // namespace vesk

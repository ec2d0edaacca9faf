#pragma once

#include <string>

#include "notes/NoteData.h"

namespace vesk {

// A note of free text. Line breaks are kept as single line feeds.
class MessageNoteData : public NoteData {
public:
    MessageNoteData();

    void CopyFrom(const NoteData& other) override;
    bool SaveContent(XMLElement& content) const override;
    bool LoadContent(const XMLElement& content) override;
    std::u16string GetTypeName() const override;

    const std::u16string& GetText() const { return text_; }
    // A text longer than the edit control's limit is cut to that limit.
    void SetText(std::u16string text);
    void RemoveCarriageReturns();
    // The text with carriage return and line feed pairs, as the edit control wants.
    std::u16string GetTextForEdit() const;

private:
    std::u16string text_;
};

}  // namespace vesk

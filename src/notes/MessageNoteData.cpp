#include "notes/MessageNoteData.h"

#include <algorithm>

#include "xml/XMLElement.h"

namespace vesk {

namespace {
// A text of exactly 65536 characters is kept whole; longer ones are cut to
// the edit control's limit.
constexpr std::size_t kLongestKeptWhole = 65536;
constexpr std::size_t kEditLimit = 65535;
}  // namespace

MessageNoteData::MessageNoteData() : NoteData(kMessage, Rect{}, StyleData{}, kLoadingAlpha) {}

void MessageNoteData::CopyFrom(const NoteData& other) {
    if (const auto* message = dynamic_cast<const MessageNoteData*>(&other)) {
        text_ = message->text_;
    }
    NoteData::CopyFrom(other);
}

bool MessageNoteData::SaveContent(XMLElement& content) const {
    XMLElement& message = content.AddChild(u"message", false, true);
    message.SetText(text_);
    if (GetAlignment() == kAlignCenter) {
        message.SetAttribute(u"align", u"center");
    }
    return true;
}

bool MessageNoteData::LoadContent(const XMLElement& content) {
    for (const XMLElement* message : content.FindChildren(u"message")) {
        text_ = message->GetText();
        SetAlignment(message->GetAttribute(u"align") == u"center" ? kAlignCenter : kAlignLeft);
    }
    return true;
}

std::u16string MessageNoteData::GetTypeName() const { return u"message"; }

void MessageNoteData::SetText(std::u16string text) {
    if (text.size() > kLongestKeptWhole) {
        text.resize(kEditLimit);
    }
    text_ = std::move(text);
}

void MessageNoteData::RemoveCarriageReturns() { std::erase(text_, u'\r'); }

std::u16string MessageNoteData::GetTextForEdit() const {
    std::u16string edit;
    edit.reserve(text_.size() +
                 static_cast<std::size_t>(std::count(text_.begin(), text_.end(), u'\n')));
    for (char16_t c : text_) {
        if (c == u'\n') {
            edit.push_back(u'\r');
        }
        edit.push_back(c);
    }
    return edit;
}

}  // namespace vesk

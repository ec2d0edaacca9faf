#include "notes/ChecklistNoteData.h"

#include <utility>

#include "xml/XMLElement.h"

namespace vesk {

ChecklistNoteData::ChecklistNoteData() : NoteData(kChecklist, Rect{}, StyleData{}, kLoadingAlpha) {}

void ChecklistNoteData::CopyFrom(const NoteData& other) {
    if (const auto* checklist = dynamic_cast<const ChecklistNoteData*>(&other)) {
        items_ = checklist->items_;
    }
    NoteData::CopyFrom(other);
}

bool ChecklistNoteData::SaveContent(XMLElement& content) const {
    XMLElement& list = content.AddChild(u"checklist");
    // All children share one name, so the file keeps them in list order.
    for (const ChecklistItem& item : items_) {
        XMLElement& element = list.AddChild(u"item", false, true);
        if (item.checked) {
            element.SetAttribute(u"checked", u"true");
        }
        element.SetText(item.text);
    }
    return true;
}

bool ChecklistNoteData::LoadContent(const XMLElement& content) {
    items_.clear();
    const XMLElement* list = content.FindChild(u"checklist");
    if (list == nullptr) {
        return true;
    }
    for (const XMLElement* item : list->FindChildren(u"item")) {
        AddItem(std::u16string(item->GetText()), item->GetAttribute(u"checked") == u"true");
    }
    return true;
}

std::u16string ChecklistNoteData::GetTypeName() const { return u"checklist"; }

void ChecklistNoteData::AddItem(std::u16string text, bool checked) {
    items_.push_back(ChecklistItem{checked, std::move(text)});
}

void ChecklistNoteData::ToggleItem(std::size_t index) {
    if (index < items_.size()) {
        items_[index].checked = !items_[index].checked;
    }
}

std::u16string ChecklistNoteData::GetPlainText() const {
    std::u16string text;
    for (const ChecklistItem& item : items_) {
        text += item.checked ? u'*' : u'-';
        text += item.text;
        text += u'\n';
    }
    return text;
}

}  // namespace vesk

#include "notebook/PreviewRecord.h"

#include "notes/NoteFactory.h"
#include "xml/XMLDocument.h"

namespace vesk {

std::unique_ptr<NoteData> MakePreviewRecord(const NoteData& note) {
    std::unique_ptr<NoteData> copy = CreateNoteDataByKind(note.GetKind());
    if (!copy) {
        return nullptr;
    }
    // The note's own element carries every kind's content, so no kind needs
    // a copy of its own.
    XMLDocument document;
    XMLElement& element = document.CreateRoot(u"vesknote");
    note.SaveToElement(element, true);
    copy->LoadFromElement(element);
    copy->SetShaded(false);
    copy->SetShowTitle(true);
    copy->SetState(NoteData::kStateShown);
    copy->SetStayOnTop(0);
    return copy;
}

}  // namespace vesk

#include "notewnd/QtNoteWindowFactory.h"

#include <utility>

#include "notewnd/CVeskNoteWnd.h"

namespace vesk {

std::unique_ptr<NoteWindow> QtNoteWindowFactory::MakeNoteWindow(NoteId id,
                                                                std::unique_ptr<NoteData> record) {
    if (!record) {
        return nullptr;
    }
    switch (record->GetKind()) {
        case NoteData::kMessage:
        case NoteData::kScribble:
        case NoteData::kChecklist:
        case NoteData::kPicture:
            // Every kind shows as the common note until its own window exists.
            return std::make_unique<CVeskNoteWnd>(id, std::move(record), host_);
        default:
            return nullptr;
    }
}

int QtNoteWindowFactory::TitleBarHeight() const { return CVeskNoteWnd::GetTitleBarHeight(); }

}  // namespace vesk

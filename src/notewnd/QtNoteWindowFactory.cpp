#include "notewnd/QtNoteWindowFactory.h"

#include <utility>

#include "notes/ChecklistNoteData.h"
#include "notes/MessageNoteData.h"
#include "notes/PictureNoteData.h"
#include "notes/ScribbleNoteData.h"
#include "notewnd/CChecklistNoteWnd.h"
#include "notewnd/CMessageNoteWnd.h"
#include "notewnd/CPictureNoteWnd.h"
#include "notewnd/CScribbleNoteWnd.h"
#include "notewnd/CVeskNoteWnd.h"

namespace vesk {

namespace {

// The kind's window around the record; none for a record that claims the
// kind without being of its type.
template <typename Window, typename Record>
std::unique_ptr<NoteWindow> MakeKindWindow(NoteId id, std::unique_ptr<NoteData> record,
                                           NoteHost& host) {
    if (dynamic_cast<Record*>(record.get()) == nullptr) {
        return nullptr;
    }
    return std::make_unique<Window>(
        id, std::unique_ptr<Record>(static_cast<Record*>(record.release())), host);
}

}  // namespace

std::unique_ptr<NoteWindow> QtNoteWindowFactory::MakeNoteWindow(NoteId id,
                                                                std::unique_ptr<NoteData> record) {
    if (!record) {
        return nullptr;
    }
    switch (record->GetKind()) {
        case NoteData::kMessage:
            return MakeKindWindow<CMessageNoteWnd, MessageNoteData>(id, std::move(record), host_);
        case NoteData::kChecklist:
            return MakeKindWindow<CChecklistNoteWnd, ChecklistNoteData>(id, std::move(record),
                                                                        host_);
        case NoteData::kPicture:
            return MakeKindWindow<CPictureNoteWnd, PictureNoteData>(id, std::move(record), host_);
        case NoteData::kScribble:
            return MakeKindWindow<CScribbleNoteWnd, ScribbleNoteData>(id, std::move(record), host_);
        default:
            return nullptr;
    }
}

int QtNoteWindowFactory::TitleBarHeight() const { return CVeskNoteWnd::GetTitleBarHeight(); }

}  // namespace vesk

#include "notewnd/QtNoteWindowFactory.h"

#include <utility>

#include "notes/MessageNoteData.h"
#include "notes/PictureNoteData.h"
#include "notes/ScribbleNoteData.h"
#include "notewnd/CMessageNoteWnd.h"
#include "notewnd/CPictureNoteWnd.h"
#include "notewnd/CScribbleNoteWnd.h"
#include "notewnd/CVeskNoteWnd.h"

namespace vesk {

std::unique_ptr<NoteWindow> QtNoteWindowFactory::MakeNoteWindow(NoteId id,
                                                                std::unique_ptr<NoteData> record) {
    if (!record) {
        return nullptr;
    }
    switch (record->GetKind()) {
        case NoteData::kMessage:
            if (dynamic_cast<MessageNoteData*>(record.get()) == nullptr) {
                return nullptr;
            }
            return std::make_unique<CMessageNoteWnd>(
                id,
                std::unique_ptr<MessageNoteData>(static_cast<MessageNoteData*>(record.release())),
                host_);
        case NoteData::kPicture:
            if (dynamic_cast<PictureNoteData*>(record.get()) == nullptr) {
                return nullptr;
            }
            return std::make_unique<CPictureNoteWnd>(
                id,
                std::unique_ptr<PictureNoteData>(static_cast<PictureNoteData*>(record.release())),
                host_);
        case NoteData::kScribble:
            if (dynamic_cast<ScribbleNoteData*>(record.get()) == nullptr) {
                return nullptr;
            }
            return std::make_unique<CScribbleNoteWnd>(
                id,
                std::unique_ptr<ScribbleNoteData>(static_cast<ScribbleNoteData*>(record.release())),
                host_);
        case NoteData::kChecklist:
            // The other kinds show as the common note until their own windows exist.
            return std::make_unique<CVeskNoteWnd>(id, std::move(record), host_);
        default:
            return nullptr;
    }
}

int QtNoteWindowFactory::TitleBarHeight() const { return CVeskNoteWnd::GetTitleBarHeight(); }

}  // namespace vesk

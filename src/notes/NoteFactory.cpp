#include "notes/NoteFactory.h"

#include "notes/ChecklistNoteData.h"
#include "notes/MessageNoteData.h"
#include "notes/PictureNoteData.h"
#include "notes/ScribbleNoteData.h"

namespace vesk {

std::unique_ptr<NoteData> CreateNoteDataByType(std::u16string_view typeName) {
    if (typeName == u"message") {
        return std::make_unique<MessageNoteData>();
    }
    if (typeName == u"checklist") {
        return std::make_unique<ChecklistNoteData>();
    }
    if (typeName == u"scribble") {
        return std::make_unique<ScribbleNoteData>();
    }
    if (typeName == u"picture") {
        return std::make_unique<PictureNoteData>();
    }
    return nullptr;
}

std::unique_ptr<NoteData> CreateNoteDataByKind(std::int64_t kind) {
    switch (kind) {
        case NoteData::kMessage:
            return std::make_unique<MessageNoteData>();
        case NoteData::kChecklist:
            return std::make_unique<ChecklistNoteData>();
        case NoteData::kScribble:
            return std::make_unique<ScribbleNoteData>();
        case NoteData::kPicture:
            return std::make_unique<PictureNoteData>();
        default:
            return nullptr;
    }
}

}  // namespace vesk

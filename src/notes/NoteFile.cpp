#include "notes/NoteFile.h"

#include <fstream>

#include "import/NarrowStream.h"
#include "import/NoteRecordV3.h"
#include "notes/NoteFactory.h"
#include "xml/XMLDocument.h"

namespace vesk {

namespace {
constexpr double kPreviousVersion = 3.0;
}

std::unique_ptr<NoteData> LoadNoteFile(const std::filesystem::path& path, bool skipXml,
                                       int titleBarHeight) {
    if (!skipXml) {
        XMLDocument document;
        const XMLElement* root = document.Load(path) ? document.GetRoot() : nullptr;
        if (root != nullptr && root->GetName() == u"vesknote") {
            std::unique_ptr<NoteData> note = CreateNoteDataByType(root->GetAttribute(u"type"));
            if (note) {
                note->LoadFromElement(*root);
            }
            return note;
        }
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return nullptr;
    }
    NarrowStream in(file);
    double version = 0.0;
    if (!in.ReadReal(version) || version != kPreviousVersion) {
        return nullptr;
    }
    return ReadNoteRecordV3(in, titleBarHeight);
}

}  // namespace vesk

#include "import/NotesFileV3.h"

#include <cstdint>
#include <fstream>

#include "import/NarrowStream.h"
#include "import/NoteRecordV3.h"

namespace vesk {

namespace {
// The file's first number, written as -1.
constexpr std::uint32_t kMarker = 0xFFFFFFFFu;
}  // namespace

bool ReadNotesFileV3(const std::filesystem::path& path, int titleBarHeight,
                     const std::function<bool(std::unique_ptr<NoteData>)>& add) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    NarrowStream in(file);
    std::uint32_t marker = 0;
    if (!in.ReadUInt32(marker) || marker != kMarker) {
        return false;
    }
    double version = 0.0;
    in.ReadReal(version);
    std::uint32_t count = 0;
    // Without its count the file is cut short, not a file of no notes.
    if (!in.ReadUInt32(count)) {
        return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        std::unique_ptr<NoteData> note = ReadNoteRecordV3(in, titleBarHeight);
        if (!note || !add(std::move(note))) {
            return false;
        }
    }
    return true;
}

}  // namespace vesk

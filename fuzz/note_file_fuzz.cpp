// Arbitrary bytes as a single-note file, read as XML and as the previous
// version's text. A note that loads must also save and load again; the save
// stays in memory, as a file save waits for the disk.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "notes/NoteFactory.h"
#include "notes/NoteFile.h"
#include "xml/XMLDocument.h"

namespace {

constexpr int kTitleBarHeight = 24;

// The file one run works on, removed when the fuzzer exits.
struct ScratchFile {
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("vesk-note-fuzz-" + std::to_string(::getpid()) + ".vesknote");
};

void SavesAndLoadsAgain(const vesk::NoteData& note) {
    vesk::XMLDocument saved;
    note.SaveToElement(saved.CreateRoot(u"vesknote"), true);
    vesk::XMLDocument loaded;
    if (!loaded.LoadFromBytes(saved.ToBytes()) || loaded.GetRoot() == nullptr) __builtin_trap();
    const auto again = vesk::CreateNoteDataByType(loaded.GetRoot()->GetAttribute(u"type"));
    if (!again || again->GetKind() != note.GetKind()) __builtin_trap();
    again->LoadFromElement(*loaded.GetRoot());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile input;
    std::ofstream(input.path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    for (bool skipXml : {false, true}) {
        if (const auto note = vesk::LoadNoteFile(input.path, skipXml, kTitleBarHeight)) {
            SavesAndLoadsAgain(*note);
        }
    }
    return 0;
}

// Arbitrary bytes as the notes file, read as XML and, failing that, as the
// previous version's notes.dat. Every note that loads must save and come
// back; the save stays in memory, as a file save waits for the disk.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <utility>

#include "RecordWindow.h"
#include "notes/NoteCollection.h"
#include "xml/XMLDocument.h"

namespace {

// The file one run works on, removed when the fuzzer exits.
struct ScratchFile {
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("vesk-notes-fuzz-" + std::to_string(::getpid()) + ".xml");
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile input;
    std::ofstream(input.path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    vesk::RecordWindowFactory factory;
    vesk::NoteCollection collection(factory);
    collection.LoadCollection(input.path);

    vesk::XMLDocument saved;
    vesk::XMLElement& section = saved.CreateRoot(u"active");
    for (const auto& [id, window] : collection.GetNotes()) {
        window->SaveToElement(section);
    }
    vesk::XMLDocument loaded;
    if (!loaded.LoadFromBytes(saved.ToBytes()) || loaded.GetRoot() == nullptr) __builtin_trap();
    vesk::NoteCollection again(factory);
    for (const vesk::XMLElement* element : loaded.GetRoot()->Children()) {
        if (!again.AddNoteFromElement(*element, false)) __builtin_trap();
    }
    if (again.GetNotes().size() != collection.GetNotes().size()) __builtin_trap();
    return 0;
}

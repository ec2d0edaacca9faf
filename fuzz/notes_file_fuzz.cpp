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

#include "notes/NoteCollection.h"
#include "notes/NoteWindow.h"
#include "notes/NoteWindowFactory.h"
#include "xml/XMLDocument.h"

namespace {

// A window that only holds its record.
class RecordWindow : public vesk::NoteWindow {
public:
    explicit RecordWindow(std::unique_ptr<vesk::NoteData> record) : record_(std::move(record)) {}
    vesk::NoteData& GetNoteData() override { return *record_; }
    const vesk::NoteData& GetNoteData() const override { return *record_; }
    void CreateNoteWindow() override {}
    void SetVisible(bool show) override {
        record_->SetState(show ? vesk::NoteData::kStateShown : vesk::NoteData::kStateHidden);
    }
    void BringToAttention() override { SetVisible(true); }
    void SetShake(bool, int, int) override {}
    void StartAlarmRinging() override {}
    void SendCommand(std::uint32_t) override {}
    void MoveToBottom() override {}
    void ApplySettings() override {}
    void Repaint() override {}

private:
    std::unique_ptr<vesk::NoteData> record_;
};

class RecordWindowFactory : public vesk::NoteWindowFactory {
public:
    std::unique_ptr<vesk::NoteWindow> MakeNoteWindow(
        vesk::NoteId, std::unique_ptr<vesk::NoteData> record) override {
        return std::make_unique<RecordWindow>(std::move(record));
    }
    int TitleBarHeight() const override { return 24; }
};

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

    RecordWindowFactory factory;
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
    for (const auto& [name, element] : loaded.GetRoot()->Children()) {
        if (!again.AddNoteFromElement(*element, false)) __builtin_trap();
    }
    if (again.GetNotes().size() != collection.GetNotes().size()) __builtin_trap();
    return 0;
}

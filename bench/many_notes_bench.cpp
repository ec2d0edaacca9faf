// The core's share of starting and closing with 10,000 hidden notes: reading
// the notes file into records, and the final save and teardown at exit. The
// memory counters come from the resident set: the peak while loading, and
// what the records hold once the file's tree is gone.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "RecordWindow.h"
#include "notes/MessageNoteData.h"
#include "notes/NoteCollection.h"
#include "xml/TextForms.h"

namespace {

using namespace vesk;

constexpr int kNotes = 10000;

std::u16string Text(int i) {
    std::u16string text = u"Hidden note " + IntToText(i) + u":";
    while (text.size() < 200) text += u" remember the milk and call back";
    return text;
}

// Resident and peak resident memory in KiB, from the kernel.
long StatusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
    }
    return 0;
}

// Returns freed memory to the system and restarts the peak from here.
void ResetMemory() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

struct Fixture {
    Fixture() : collection(factory) {
        folder = std::filesystem::temp_directory_path() / "vesk-bench-many";
        std::filesystem::create_directories(folder);
        for (int i = 0; i < kNotes; ++i) {
            auto note = std::make_unique<MessageNoteData>();
            note->SetText(Text(i));
            note->SetTitle(u"Note " + IntToText(i));
            note->SetRect({i % 1600, i % 1000, i % 1600 + 200, i % 1000 + 200});
            note->SetState(NoteData::kStateHidden);
            const NoteId id = collection.NextId();
            collection.Insert(id, factory.MakeNoteWindow(id, std::move(note)));
        }
        collection.SaveCollection(folder / "notes.xml");
        collection.Clear();
    }
    ~Fixture() { std::filesystem::remove_all(folder); }

    RecordWindowFactory factory;
    NoteCollection collection;
    std::filesystem::path folder;
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_LoadHiddenNotes(benchmark::State& state) {
    Fixture& fixture = Shared();
    long held = 0;
    long peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.collection.Clear();
        ResetMemory();
        const long before = StatusKiB("VmRSS");
        state.ResumeTiming();
        if (!fixture.collection.LoadCollection(fixture.folder / "notes.xml")) {
            state.SkipWithError("load failed");
        }
        state.PauseTiming();
        peak = StatusKiB("VmHWM") - before;
        malloc_trim(0);
        held = StatusKiB("VmRSS") - before;
        state.ResumeTiming();
    }
    state.counters["held_MiB"] = static_cast<double>(held) / 1024;
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024;
    fixture.collection.Clear();
}

// At exit the notes file is written once more and every record destroyed.
void BM_ExitHiddenNotes(benchmark::State& state) {
    Fixture& fixture = Shared();
    for (auto _ : state) {
        state.PauseTiming();
        fixture.collection.LoadCollection(fixture.folder / "notes.xml");
        state.ResumeTiming();
        if (!fixture.collection.SaveCollection(fixture.folder / "saved.xml")) {
            state.SkipWithError("save failed");
        }
        fixture.collection.Clear();
    }
}

BENCHMARK(BM_LoadHiddenNotes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExitHiddenNotes)->Unit(benchmark::kMillisecond);

}  // namespace

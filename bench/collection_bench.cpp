// Saving and loading a notes file of a thousand mixed notes through the
// collection, against the bare XML writer and reader on the same bytes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "RecordWindow.h"
#include "notes/ChecklistNoteData.h"
#include "notes/MessageNoteData.h"
#include "notes/NoteCollection.h"
#include "notes/PictureNoteData.h"
#include "notes/ScribbleNoteData.h"
#include "xml/FileIO.h"
#include "xml/XMLDocument.h"

namespace {

using namespace vesk;

std::u16string Words(int i, std::size_t length) {
    static const std::u16string words[] = {u"call",  u"the", u"dentist", u"about", u"Tuesday's",
                                           u"visit", u"and", u"buy",     u"milk,", u"bread\n"};
    std::u16string text;
    for (int w = 0; text.size() < length; ++w) text += words[(i + w) % 10] + u" ";
    return text;
}

// Message, checklist, scribble and picture notes in turn, some hidden, some
// crumpled, some with alarms.
std::unique_ptr<NoteData> MakeNote(int i) {
    std::unique_ptr<NoteData> note;
    switch (i % 4) {
        case 0: {
            auto message = std::make_unique<MessageNoteData>();
            message->SetText(Words(i, 200));
            note = std::move(message);
            break;
        }
        case 1: {
            auto checklist = std::make_unique<ChecklistNoteData>();
            for (int item = 0; item < 6; ++item) checklist->AddItem(Words(i + item, 20), item % 2);
            note = std::move(checklist);
            break;
        }
        case 2: {
            auto scribble = std::make_unique<ScribbleNoteData>();
            scribble->SetImage(nullptr, 180, 156);
            const auto image = scribble->EditImage();
            for (int x = 0; x < 150; ++x) {
                for (int pen = 0; pen < 3; ++pen)
                    image->SetPixel(x, (x + i + pen) % 156, 0xff000000);
            }
            note = std::move(scribble);
            break;
        }
        default: {
            auto picture = std::make_unique<PictureNoteData>();
            picture->SetSource(u"/home/user/Pictures/holiday " + IntToText(i) + u".png");
            note = std::move(picture);
            break;
        }
    }
    note->SetTitle(u"Note " + IntToText(i));
    note->SetRect({i % 1600, i % 1000, i % 1600 + 200, i % 1000 + 200});
    note->GetStyle().SetColors(RGB(255, 242, i % 256), RGB(255, 255, 128), 0, 0);
    if (i % 10 == 9) note->SetState(NoteData::kStateWastebasket);
    if (i % 10 == 5) note->SetState(NoteData::kStateHidden);
    if (i % 5 == 0) note->EnableAlarm(true);
    return note;
}

struct Fixture {
    explicit Fixture(int notes) : collection(factory) {
        folder = std::filesystem::temp_directory_path() / "vesk-bench-collection";
        std::filesystem::create_directories(folder);
        for (int i = 0; i < notes; ++i) {
            const NoteId id = collection.NextId();
            collection.Insert(id, factory.MakeNoteWindow(id, MakeNote(i)));
        }
        collection.SaveCollection(folder / "notes.xml");
        ReadFileBytes(folder / "notes.xml", bytes);
        // The tree SaveCollection builds, built once.
        XMLElement& root = document.CreateRoot(u"notecollection");
        root.SetAttribute(u"version", u"4.00");
        XMLElement& active = root.AddChild(u"active");
        XMLElement& wastebasket = root.AddChild(u"wastebasket");
        for (const auto& [id, note] : collection.GetNotes()) {
            const bool crumpled = note->GetNoteData().GetState() == NoteData::kStateWastebasket;
            note->SaveToElement(crumpled ? wastebasket : active);
        }
        sameBytes = document.ToBytes() == bytes;
    }
    ~Fixture() { std::filesystem::remove_all(folder); }

    RecordWindowFactory factory;
    NoteCollection collection;
    std::filesystem::path folder;
    std::string bytes;
    // The same file's tree, for the bare writer.
    XMLDocument document;
    bool sameBytes = false;
};

Fixture& Shared(int notes) {
    static Fixture fixture(notes);
    return fixture;
}

void CountBytes(benchmark::State& state, const Fixture& fixture) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fixture.bytes.size()));
}

void BM_SaveCollection(benchmark::State& state) {
    Fixture& fixture = Shared(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (!fixture.collection.SaveCollection(fixture.folder / "saved.xml")) {
            state.SkipWithError("save failed");
        }
    }
    CountBytes(state, fixture);
}

void BM_XmlSave(benchmark::State& state) {
    Fixture& fixture = Shared(static_cast<int>(state.range(0)));
    if (!fixture.sameBytes) state.SkipWithError("the baseline tree writes other bytes");
    for (auto _ : state) {
        if (!fixture.document.Save(fixture.folder / "saved.xml"))
            state.SkipWithError("save failed");
    }
    CountBytes(state, fixture);
}

void BM_LoadCollection(benchmark::State& state) {
    Fixture& fixture = Shared(static_cast<int>(state.range(0)));
    NoteCollection collection(fixture.factory);
    for (auto _ : state) {
        if (!collection.LoadCollection(fixture.folder / "notes.xml")) {
            state.SkipWithError("load failed");
        }
    }
    CountBytes(state, fixture);
}

void BM_XmlLoad(benchmark::State& state) {
    Fixture& fixture = Shared(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        XMLDocument document;
        if (!document.Load(fixture.folder / "notes.xml")) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(document.GetRoot());
    }
    CountBytes(state, fixture);
}

BENCHMARK(BM_XmlSave)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCollection)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XmlLoad)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCollection)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

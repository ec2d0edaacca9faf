// Loading and saving a notes file of 10,000 message notes, against expat
// alone and a plain write of the same bytes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "xml/ExpatInput.h"
#include "xml/FileIO.h"
#include "xml/TextForms.h"
#include "xml/XMLDocument.h"

namespace {

using namespace vesk;

constexpr int kNotes = 10000;

std::u16string SampleText(int i) {
    std::u16string text = u"Note " + IntToText(i) + u": ";
    const std::u16string words[] = {u"call",        u"the", u"dentist", u"about", u"Tuesday's",
                                    u"appointment", u"and", u"buy",     u"milk,", u"bread\n"};
    for (int w = 0; text.size() < 200; ++w) text += words[(i + w) % 10] + u" ";
    return text;
}

void AddNote(XMLElement& parent, int i) {
    XMLElement& note = parent.AddChild(u"vesknote");
    note.SetAttribute(u"creationtime", u"2007-01-27 00:41:33");
    note.SetAttribute(u"lastmodified", u"2007-01-27 00:41:33");
    note.SetAttribute(u"type", u"message");
    note.AddChild(u"title", false, true).SetText(u"Shopping list " + IntToText(i));
    note.AddChild(u"content").AddChild(u"message", false, true).SetText(SampleText(i));
    XMLElement& appearence = note.AddChild(u"appearence");
    appearence.SetAttribute(u"alpha", u"200");
    XMLElement& style = appearence.AddChild(u"style");
    style.SetAttribute(u"name", u"Lemon");
    for (const char16_t* name : {u"bgcolor", u"bg2color", u"textcolor", u"titlecolor"}) {
        style.AddChild(name, true, false).SetAttribute(u"color", ColorToText(RGB(i, 242, 0)));
    }
    XMLElement& font = appearence.AddChild(u"font", true, false);
    font.SetAttribute(u"face", u"Tahoma");
    font.SetAttribute(u"size", u"10");
    note.AddChild(u"behavior");
    XMLElement& desktop = note.AddChild(u"desktop");
    XMLElement& position = desktop.AddChild(u"position", true, false);
    position.SetAttribute(u"x", IntToText(i % 1600));
    position.SetAttribute(u"y", IntToText(i % 1000));
    XMLElement& size = desktop.AddChild(u"size", true, false);
    size.SetAttribute(u"height", u"200");
    size.SetAttribute(u"width", u"200");
}

void BuildNotes(XMLDocument& document) {
    XMLElement& root = document.CreateRoot(u"notecollection");
    root.SetAttribute(u"version", u"4.00");
    XMLElement& active = root.AddChild(u"active");
    root.AddChild(u"wastebasket");
    for (int i = 0; i < kNotes; ++i) AddNote(active, i);
}

struct Fixture {
    Fixture() {
        folder = std::filesystem::temp_directory_path() / "vesk-bench-xml";
        std::filesystem::create_directories(folder);
        BuildNotes(document);
        bytes = document.ToBytes();
        WriteFileAtomically(folder / "notes.xml", bytes);
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
    XMLDocument document;
    std::string bytes;
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_XmlLoad(benchmark::State& state) {
    const auto path = Shared().folder / "notes.xml";
    for (auto _ : state) {
        XMLDocument document;
        if (!document.Load(path)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(document.GetRoot());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Shared().bytes.size()));
}

// The same file through the same parser and reading, with handlers that
// keep nothing.
void BM_ExpatParseOnly(benchmark::State& state) {
    const auto path = Shared().folder / "notes.xml";
    for (auto _ : state) {
        XML_Parser parser = XML_ParserCreate(nullptr);
        XML_SetElementHandler(
            parser, [](void*, const XML_Char*, const XML_Char**) {}, [](void*, const XML_Char*) {});
        XML_SetCharacterDataHandler(parser, [](void*, const XML_Char*, int) {});
        if (!ParseFile(parser, path)) state.SkipWithError("parse failed");
        XML_ParserFree(parser);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Shared().bytes.size()));
}

void BM_XmlSave(benchmark::State& state) {
    const auto path = Shared().folder / "saved.xml";
    for (auto _ : state) {
        if (!Shared().document.Save(path)) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Shared().bytes.size()));
}

void BM_WriteBytesOnly(benchmark::State& state) {
    const auto path = Shared().folder / "written.xml";
    for (auto _ : state) {
        if (!WriteFileAtomically(path, Shared().bytes)) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Shared().bytes.size()));
}

BENCHMARK(BM_ExpatParseOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XmlLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBytesOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XmlSave)->Unit(benchmark::kMillisecond);

}  // namespace

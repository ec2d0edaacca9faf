// Painting a checklist of 200 items against a message note of the same
// text, an item a line: the boxes, ticks and arrows, the bold items and the
// narrower text beside the boxes are what the checklist costs on top.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "NoteRendering.h"
#include "notes/ChecklistNoteData.h"
#include "notes/MessageNoteData.h"
#include "notewnd/CChecklistNoteWnd.h"
#include "notewnd/CMessageNoteWnd.h"

namespace {

using namespace vesk;

constexpr int kItems = 200;

// Errands of a few everyday words, now and then a link or an urgent one.
std::vector<std::u16string> Errands() {
    static const std::u16string words[] = {
        u"Call",   u"the",  u"dentist", u"about", u"Tuesday",
        u"pick",   u"up",   u"milk",    u"and",   u"bread",
        u"water",  u"the",  u"plants",  u"see",   u"www.example.org",
        u"before", u"noon", u"book",    u"train", u"tickets"};
    std::vector<std::u16string> errands;
    std::size_t word = 0;
    for (int i = 0; i < kItems; ++i) {
        std::u16string errand;
        for (int w = 0; w < 3 + i % 5; ++w) {
            errand += (w > 0 ? u" " : u"") + words[word++ % std::size(words)];
        }
        errands.push_back(i % 7 == 3 ? errand + u"!" : errand);
    }
    return errands;
}

void BM_PaintChecklist(benchmark::State& state) {
    auto record = std::make_unique<ChecklistNoteData>();
    int item = 0;
    for (std::u16string& errand : Errands()) {
        record->AddItem(std::move(errand), item++ % 3 == 0);
    }
    bench::RenderNoteWindow<CChecklistNoteWnd>(state, std::move(record));
    state.SetLabel(std::to_string(kItems) + " items");
}
BENCHMARK(BM_PaintChecklist)->Unit(benchmark::kMicrosecond);

// The baseline: the same errands as lines of a message note.
void BM_PaintMessageSameText(benchmark::State& state) {
    std::u16string text;
    for (const std::u16string& errand : Errands()) {
        text += errand + u"\n";
    }
    auto record = std::make_unique<MessageNoteData>();
    record->SetText(text);
    bench::RenderNoteWindow<CMessageNoteWnd>(state, std::move(record));
    state.SetLabel(std::to_string(kItems) + " lines");
}
BENCHMARK(BM_PaintMessageSameText)->Unit(benchmark::kMicrosecond);

}  // namespace

// Painting a message note of 10,000 characters of ordinary text, from the
// paint request to the finished frame, against the same note without text.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "NoteRendering.h"
#include "notes/MessageNoteData.h"
#include "notewnd/CMessageNoteWnd.h"

namespace {

using namespace vesk;

constexpr std::size_t kTextLength = 10000;

// Sentences of everyday words, a paragraph every few of them, and a link now
// and then, as notes are written.
std::u16string OrdinaryText() {
    static const std::u16string words[] = {
        u"Call",  u"the", u"dentist",     u"about",  u"Tuesday's", u"visit,",   u"then",
        u"pick",  u"up",  u"milk",        u"and",    u"bread.",    u"Remember", u"to",
        u"water", u"the", u"plants",      u"before", u"leaving;",  u"see",      u"www.example.org",
        u"for",   u"the", u"timetable.\n"};
    std::u16string text;
    for (std::size_t w = 0; text.size() < kTextLength; ++w) {
        const std::u16string& word = words[w % std::size(words)];
        text += word;
        if (word.back() != u'\n') {
            text += u' ';
        }
    }
    text.resize(kTextLength);
    return text;
}

void PaintNote(benchmark::State& state, const std::u16string& text) {
    auto record = std::make_unique<MessageNoteData>();
    record->SetText(text);
    bench::RenderNoteWindow<CMessageNoteWnd>(state, std::move(record));
    state.SetLabel(std::to_string(text.size()) + " characters");
}

void BM_PaintMessageNote(benchmark::State& state) { PaintNote(state, OrdinaryText()); }
BENCHMARK(BM_PaintMessageNote)->Unit(benchmark::kMicrosecond);

// The baseline: the note's body, title and shadow alone.
void BM_PaintEmptyMessageNote(benchmark::State& state) { PaintNote(state, {}); }
BENCHMARK(BM_PaintEmptyMessageNote)->Unit(benchmark::kMicrosecond);

}  // namespace

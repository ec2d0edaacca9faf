// Painting a message note of 10,000 characters of ordinary text, from the
// paint request to the finished frame, against the same note without text.
#include <benchmark/benchmark.h>

#include <QImage>
#include <memory>
#include <string>

#include "BenchNoteHost.h"
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
    bench::BenchNoteHost host;
    auto record = std::make_unique<MessageNoteData>();
    record->SetRect({100, 100, 400, 500});
    record->SetStyle(StyleData::Fallback());
    record->SetTitle(u"Errands");
    record->SetText(text);
    CMessageNoteWnd window(0, std::move(record), host);
    window.CreateNoteWindow();
    QImage frame(window.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        window.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.SetLabel(std::to_string(text.size()) + " characters");
}

void BM_PaintMessageNote(benchmark::State& state) { PaintNote(state, OrdinaryText()); }
BENCHMARK(BM_PaintMessageNote)->Unit(benchmark::kMicrosecond);

// The baseline: the note's body, title and shadow alone.
void BM_PaintEmptyMessageNote(benchmark::State& state) { PaintNote(state, {}); }
BENCHMARK(BM_PaintEmptyMessageNote)->Unit(benchmark::kMicrosecond);

}  // namespace

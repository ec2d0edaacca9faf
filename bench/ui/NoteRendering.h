#pragma once

#include <benchmark/benchmark.h>

#include <QImage>
#include <memory>
#include <utility>

#include "BenchNoteHost.h"
#include "settings/StyleData.h"

namespace vesk::bench {

// Paints the note window of a record, 300 by 400 pixels, from the paint
// request to the finished frame, once per iteration.
template <typename Window, typename Record>
void RenderNoteWindow(benchmark::State& state, std::unique_ptr<Record> record) {
    BenchNoteHost host;
    record->SetRect({100, 100, 400, 500});
    record->SetStyle(StyleData::Fallback());
    record->SetTitle(u"Errands");
    Window window(0, std::move(record), host);
    window.CreateNoteWindow();
    QImage frame(window.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        window.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
}

}  // namespace vesk::bench

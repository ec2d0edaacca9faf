// Destroying every note window, as the exit does after its last save, for
// growing numbers of notes, against destroying as many bare top-level widgets.
// Both should grow linearly: the reported complexity and the ratio of the two
// at each size show whether a note costs the same whatever their number.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWidget>
#include <memory>
#include <vector>

#include "BenchNoteHost.h"
#include "notes/NoteCollection.h"
#include "notes/NoteFactory.h"
#include "notewnd/QtNoteWindowFactory.h"

namespace {

using namespace vesk;

// Both teardowns run over the same growing counts, so their times compare
// size by size.
void GrowingCounts(benchmark::internal::Benchmark* bench) {
    bench->RangeMultiplier(2)
        ->Range(2000, 16000)
        ->Iterations(3)
        ->Complexity(benchmark::oN)
        ->Unit(benchmark::kMillisecond);
}

// Hidden message notes, the kind that a large collection mostly holds.
void BM_TearDownNotes(benchmark::State& state) {
    bench::BenchNoteHost host;
    QtNoteWindowFactory factory(host);
    NoteCollection collection(factory);
    for (auto _ : state) {
        state.PauseTiming();
        for (std::int64_t i = 0; i < state.range(0); ++i) {
            auto record = CreateNoteDataByKind(NoteData::kMessage);
            record->SetState(NoteData::kStateHidden);
            const NoteId id = collection.NextId();
            collection.Insert(id, factory.MakeNoteWindow(id, std::move(record)))
                ->CreateNoteWindow();
        }
        // The program's event loop has run before its end: nothing that the
        // windows posted is still waiting.
        QCoreApplication::sendPostedEvents();
        state.ResumeTiming();
        collection.Clear();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TearDownNotes)->Apply(GrowingCounts);

// The baseline: frameless tool windows that were never shown, as hidden
// notes are.
void BM_TearDownBareWidgets(benchmark::State& state) {
    std::vector<std::unique_ptr<QWidget>> widgets;
    for (auto _ : state) {
        state.PauseTiming();
        for (std::int64_t i = 0; i < state.range(0); ++i) {
            widgets.push_back(
                std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint));
        }
        QCoreApplication::sendPostedEvents();
        state.ResumeTiming();
        widgets.clear();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TearDownBareWidgets)->Apply(GrowingCounts);

}  // namespace

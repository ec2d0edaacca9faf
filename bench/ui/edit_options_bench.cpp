// Opening a note for editing until its edit options show, against showing an
// empty dialog; and repainting a note after a swatch of the edit options
// gave it another style, against repainting it unchanged.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <memory>

#include "BenchNoteHost.h"
#include "dialogs/editoptions/CColorPage.h"
#include "dialogs/editoptions/CEditPropertySheet.h"
#include "dialogs/editoptions/CSwatchPicker.h"
#include "notes/MessageNoteData.h"
#include "notes/NoteCommands.h"
#include "notewnd/CMessageNoteWnd.h"

namespace {

using namespace vesk;

// A shown note with a line of text, and a theme of two styles.
struct EditedNote {
    bench::BenchNoteHost host;
    std::unique_ptr<CMessageNoteWnd> window;

    EditedNote() {
        ThemeData& theme = *host.settings.FindTheme(host.settings.AddTheme());
        theme.AddStyle(RGB(255, 255, 210), RGB(255, 250, 170), RGB(0, 0, 0), RGB(0, 0, 0));
        theme.AddStyle(RGB(200, 230, 255), RGB(150, 200, 255), RGB(0, 0, 0), RGB(0, 0, 0));
        host.settings.SetSelectedThemeId(theme.GetId());
        auto record = std::make_unique<MessageNoteData>();
        record->SetRect({100, 100, 400, 400});
        record->SetStyle(StyleData::Fallback());
        record->SetTitle(u"Errands");
        record->SetText(u"Call the dentist about Tuesday's visit, then pick up milk.");
        window = std::make_unique<CMessageNoteWnd>(0, std::move(record), host);
        window->CreateNoteWindow();
    }
};

// What the event loop would have done between two edits: the layouts and
// paints asked for, the sheet of the last edit deleted. Left to pile up, the
// queue of posted events would make every later post slower.
void CatchUp() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_ShowEditOptions(benchmark::State& state) {
    EditedNote note;
    for (auto _ : state) {
        note.window->SendCommand(NoteCommand::kEdit);
        state.PauseTiming();
        const auto* sheet = note.window->findChild<CEditPropertySheet*>();
        if (sheet == nullptr || !sheet->isVisible()) {
            state.SkipWithError("no edit options shown");
            break;
        }
        note.window->SendCommand(NoteCommand::kCancelEditing);
        CatchUp();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowEditOptions)->Unit(benchmark::kMicrosecond);

// The baseline: an empty dialog of the note made and shown.
void BM_ShowEmptyDialog(benchmark::State& state) {
    EditedNote note;
    for (auto _ : state) {
        auto* dialog = new QDialog(note.window.get(), Qt::Tool);
        dialog->show();
        state.PauseTiming();
        delete dialog;
        CatchUp();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowEmptyDialog)->Unit(benchmark::kMicrosecond);

// swatches: whether each frame follows a choice of the other swatch.
void RepaintNote(benchmark::State& state, bool swatches) {
    EditedNote note;
    note.window->SendCommand(NoteCommand::kEdit);
    CColorPage& page = *note.window->findChild<CColorPage*>();
    QImage frame(note.window->size(), QImage::Format_ARGB32_Premultiplied);
    int swatch = 1;
    for (auto _ : state) {
        if (swatches) {
            swatch = 3 - swatch;
            emit page.Picker().activated(swatch);
        }
        note.window->render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
}

void BM_RepaintAfterSwatch(benchmark::State& state) { RepaintNote(state, true); }
BENCHMARK(BM_RepaintAfterSwatch)->Unit(benchmark::kMicrosecond);

// The baseline: the same note repainted as it is.
void BM_RepaintUnchanged(benchmark::State& state) { RepaintNote(state, false); }
BENCHMARK(BM_RepaintUnchanged)->Unit(benchmark::kMicrosecond);

}  // namespace

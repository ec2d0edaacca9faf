// The Settings sheet: opening it (made, shown and painted) against a dialog
// of as many plain controls on four tabs; and OK with 1,000 notes on the
// desktop (the pages write, every note window takes the settings up and
// repaints) against having those windows merely repaint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

#include "BenchNoteHost.h"
#include "app/NoteSettings.h"
#include "dialogs/settings/CSettingsSheet.h"
#include "notes/NoteCollection.h"
#include "notes/NoteFactory.h"
#include "notewnd/QtNoteWindowFactory.h"
#include "platform/Autostart.h"

namespace {

using namespace vesk;

// Remembers entries without touching the desktop's.
class NoAutostart : public platform::Autostart {
public:
    bool Exists(const QString&) const override { return false; }
    bool Create(const QString&, const QString&, const QString&) override { return true; }
    bool Remove(const QString&) override { return true; }
};

// Shows the window and lets it paint.
void ShowPainted(QWidget& window) {
    window.show();
    window.grab();
}

void BM_OpenSettingsSheet(benchmark::State& state) {
    bench::BenchNoteHost host;
    NoAutostart autostart;
    for (auto _ : state) {
        CSettingsSheet sheet(host.settings, autostart, [] {});
        ShowPainted(sheet);
        state.PauseTiming();
        sheet.hide();
        QCoreApplication::sendPostedEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSettingsSheet)->Unit(benchmark::kMillisecond);

// The baseline: four tabs of six check boxes, about the sheet's count of
// controls.
void BM_OpenPlainTabs(benchmark::State& state) {
    for (auto _ : state) {
        QDialog dialog;
        auto* tabs = new QTabWidget(&dialog);
        for (int page = 0; page < 4; ++page) {
            auto* widget = new QWidget;
            auto* layout = new QVBoxLayout(widget);
            for (int box = 0; box < 6; ++box) {
                layout->addWidget(new QCheckBox(QStringLiteral("A setting of the page"), widget));
            }
            tabs->addTab(widget, QStringLiteral("Page"));
        }
        (new QVBoxLayout(&dialog))->addWidget(tabs);
        ShowPainted(dialog);
        state.PauseTiming();
        dialog.hide();
        QCoreApplication::sendPostedEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPlainTabs)->Unit(benchmark::kMillisecond);

// Shown message notes.
struct Desktop {
    explicit Desktop(std::int64_t count) {
        for (std::int64_t i = 0; i < count; ++i) {
            auto record = CreateNoteDataByKind(NoteData::kMessage);
            record->SetRect({static_cast<int>(i % 40) * 20, static_cast<int>(i % 30) * 20,
                             static_cast<int>(i % 40) * 20 + 200,
                             static_cast<int>(i % 30) * 20 + 200});
            const NoteId id = collection.NextId();
            collection.Insert(id, factory.MakeNoteWindow(id, std::move(record)))
                ->CreateNoteWindow();
        }
        QApplication::processEvents();
    }
    ~Desktop() { collection.Clear(); }

    bench::BenchNoteHost host;
    QtNoteWindowFactory factory{host};
    NoteCollection collection{factory};
};

void BM_ApplySettings(benchmark::State& state) {
    Desktop desktop(state.range(0));
    NoAutostart autostart;
    bool shadow = false;
    for (auto _ : state) {
        state.PauseTiming();
        CSettingsSheet sheet(desktop.host.settings, autostart, [] {});
        // Every round changes what the notes draw.
        shadow = !shadow;
        sheet.findChild<QCheckBox*>(QStringLiteral("noteShadow"))->setChecked(shadow);
        state.ResumeTiming();
        sheet.accept();
        ApplyNoteSettings(desktop.host.settings, desktop.collection);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ApplySettings)->Arg(1000)->Unit(benchmark::kMillisecond);

// The baseline: the same windows repaint, nothing else.
void BM_RepaintNotes(benchmark::State& state) {
    Desktop desktop(state.range(0));
    for (auto _ : state) {
        for (const auto& [id, window] : desktop.collection.GetNotes()) window->Repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RepaintNotes)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

// The Notebook's lists: filling the Desktop folder with a row for each of
// 1,000 notes, against a QListWidget given the same titles; and listing an
// archive folder of 1,000 note files, against reading those files' bytes.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <vector>

#include "BenchNoteHost.h"
#include "notebook/CHTMLListCtrl.h"
#include "notebook/CRightView.h"
#include "notebook/NoteFolderRows.h"
#include "notes/NoteArchive.h"
#include "notes/NoteCollection.h"
#include "notes/NoteFactory.h"
#include "notewnd/QtNoteWindowFactory.h"

namespace {

using namespace vesk;

constexpr TimeValue kDay = 24 * 60 * 60;

std::u16string Title(std::int64_t i) {
    return u"Shopping list number " + QString::number(i).toStdU16String();
}

// A collection of hidden message notes with their rows in the Desktop folder.
struct Notes {
    explicit Notes(std::int64_t count) {
        for (std::int64_t i = 0; i < count; ++i) {
            auto record = CreateNoteDataByKind(NoteData::kMessage);
            record->SetTitle(Title(i));
            record->SetState(NoteData::kStateHidden);
            // A day apart each, so that no two rows share their dates.
            record->SetCreationTime(record->GetCreationTime() - i * kDay);
            record->SetLastModified(record->GetCreationTime() + kDay);
            const NoteId id = collection.NextId();
            collection.Insert(id, factory.MakeNoteWindow(id, std::move(record)));
            rows.AddNoteRow(id);
        }
    }

    bench::BenchNoteHost host;
    QtNoteWindowFactory factory{host};
    NoteCollection collection{factory};
    NoteArchive archive{[] { return 24; }};
    NoteFolderRows rows{collection};
    NotebookServices services{collection, archive, rows, host.settings, host};
};

void BM_NotebookFill(benchmark::State& state) {
    Notes notes(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto view = std::make_unique<CRightView>(notes.services, nullptr);
        view->resize(300, 500);
        state.ResumeTiming();
        view->show();
        view->grab();
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NotebookFill)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_QListWidgetFill(benchmark::State& state) {
    std::vector<QString> titles;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        titles.push_back(QString::fromStdU16String(Title(i)));
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<QListWidget>();
        list->resize(300, 500);
        state.ResumeTiming();
        for (const QString& title : titles) {
            list->addItem(title);
        }
        list->show();
        list->grab();
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QListWidgetFill)->Arg(1000)->Unit(benchmark::kMillisecond);

// An archive folder of that many message notes.
class ArchiveFolder {
public:
    explicit ArchiveFolder(std::int64_t count) {
        for (std::int64_t i = 0; i < count; ++i) {
            auto record = CreateNoteDataByKind(NoteData::kMessage);
            record->SetTitle(Title(i));
            record->SaveToFile(Path() / ("note" + std::to_string(i) + ".vesknote"));
        }
    }
    std::filesystem::path Path() const { return dir_.path().toStdString(); }

private:
    QTemporaryDir dir_;
};

void BM_ReloadArchive(benchmark::State& state) {
    const ArchiveFolder folder(state.range(0));
    Notes notes(0);
    notes.archive.SetFolder(folder.Path());
    CRightView view(notes.services, nullptr);
    view.resize(300, 500);
    for (auto _ : state) {
        view.ReloadArchiveList();
    }
    benchmark::DoNotOptimize(view.List(NotebookFolder::Archive).GetItemCount());
}
BENCHMARK(BM_ReloadArchive)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_ReadArchiveBytes(benchmark::State& state) {
    const ArchiveFolder folder(state.range(0));
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            QFile file(QString::fromStdString(entry.path().string()));
            if (file.open(QIODevice::ReadOnly)) {
                bytes += static_cast<std::size_t>(file.readAll().size());
            }
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ReadArchiveBytes)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

// One auto-save of a thousand notes by the main frame, backup first (copy and
// prune) and then the notes file, against writing the file's bytes alone.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "app/MainFrame.h"
#include "app/PathText.h"
#include "notes/MessageNoteData.h"
#include "xml/FileIO.h"
#include "xml/XMLDocument.h"

namespace {

using namespace vesk;

constexpr int kNotes = 1000;

class BenchFolders : public platform::Folders {
public:
    explicit BenchFolders(QString data) : data_(std::move(data)) {}
    QString DataFolder() const override { return data_; }
    QString PreviousVersionFolder() const override { return data_ + "../v3/"; }
    QString InstallationFolder() const override { return data_ + "../install/"; }

private:
    QString data_;
};

class NoHotKeys : public platform::HotKeys {
public:
    bool RegisterHotKey(int, unsigned, unsigned) override { return false; }
    bool UnregisterHotKey(int) override { return false; }
};

class NoLinks : public platform::LinkOpener {
public:
    void OpenLink(const QString&, Failure) override {}
    void OpenFile(const QString&, Failure) override {}
};

class NoAutostart : public platform::Autostart {
public:
    bool Exists(const QString&) const override { return false; }
    bool Create(const QString&, const QString&, const QString&) override { return false; }
    bool Remove(const QString&) override { return false; }
};

class NoSounds : public platform::SoundPlayer {
public:
    bool PlaySound(int, Repeat) override { return false; }
    bool PlayFile(const QString&, Repeat) override { return false; }
    void Stop() override {}
};

// Message notes of a few hundred characters at places all over the desktop,
// a tenth of them hidden.
void WriteNotes(const std::filesystem::path& path) {
    XMLDocument document;
    XMLElement& root = document.CreateRoot(u"notecollection");
    XMLElement& active = root.AddChild(u"active");
    root.AddChild(u"wastebasket");
    std::u16string text;
    while (text.size() < 300) text += u"Pick up milk and bread, then call the dentist.\r\n";
    for (int i = 0; i < kNotes; ++i) {
        MessageNoteData note;
        note.SetTitle(u"Note " + QString::number(i).toStdU16String());
        note.SetText(text);
        note.SetRect({i % 1200, i % 700, i % 1200 + 200, i % 700 + 200});
        note.SetStyle(StyleData::Fallback());
        if (i % 10 == 9) note.SetState(NoteData::kStateHidden);
        note.SaveToElement(active, false);
    }
    document.Save(path);
}

struct Desk {
    Desk() {
        const QString data = folder.path() + "/data/";
        QDir().mkpath(data);
        WriteNotes(ToPath(data + "notes.xml"));
        frame = std::make_unique<CMainFrame>(MainFrameServices{
            std::make_unique<BenchFolders>(data), std::make_unique<NoHotKeys>(),
            std::make_unique<NoLinks>(), [] { return true; }, std::make_unique<NoSounds>(),
            std::make_unique<platform::TrayWatch>(), std::make_unique<platform::ClockWatch>(),
            std::make_unique<NoAutostart>()});
        frame->Create();
        frame->SaveNotes(frame->NotesFile());
        ReadFileBytes(frame->NotesFile(), bytes);
    }

    QTemporaryDir folder;
    std::unique_ptr<CMainFrame> frame;
    std::string bytes;
};

// Made once; its windows go while the application still stands.
Desk& Shared() {
    static Desk* desk = [] {
        qAddPostRoutine([] { delete desk; });
        return new Desk;
    }();
    return *desk;
}

void BM_AutoSaveWithBackup(benchmark::State& state) {
    Desk& desk = Shared();
    if (desk.frame->GetCollection().GetNotes().size() != kNotes ||
        !desk.frame->GetSettings().GetBackupData().IsEnabled()) {
        state.SkipWithError("the notes or the backups are not in place");
    }
    // A save of unchanged notes takes no backup, so a title changes back and
    // forth: each save then copies the file before it aside.
    NoteData& changed = desk.frame->GetCollection().GetNotes().begin()->second->GetNoteData();
    bool flip = false;
    for (auto _ : state) {
        changed.SetTitle((flip = !flip) ? u"Changed A" : u"Changed B");
        if (!desk.frame->SaveNotes(desk.frame->NotesFile())) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(desk.bytes.size()));
}
BENCHMARK(BM_AutoSaveWithBackup)->Unit(benchmark::kMillisecond);

// The baseline: the same bytes written to the same file.
void BM_WriteNotesBytes(benchmark::State& state) {
    Desk& desk = Shared();
    for (auto _ : state) {
        if (!WriteFileAtomically(desk.frame->NotesFile(), desk.bytes)) {
            state.SkipWithError("write failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(desk.bytes.size()));
}
BENCHMARK(BM_WriteNotesBytes)->Unit(benchmark::kMillisecond);

}  // namespace

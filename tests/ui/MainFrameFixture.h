#pragma once

#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ScriptedPrompts.h"
#include "app/MainFrame.h"

namespace vesk::test {

// Records registrations instead of grabbing keys: "id:modifiers:key".
class RecordingHotKeys : public platform::HotKeys {
public:
    QStringList registered;
    bool RegisterHotKey(int id, unsigned modifiers, unsigned virtualKey) override;
    bool UnregisterHotKey(int id) override;
};

// Records what is opened; with fail set, reports each as not opened.
class RecordingLinks : public platform::LinkOpener {
public:
    QStringList opened;
    bool fail = false;
    void OpenLink(const QString& link, Failure failed) override { Open(link, failed); }
    void OpenFile(const QString& path, Failure failed) override { Open(path, failed); }

private:
    void Open(const QString& target, const Failure& failed) {
        opened << target;
        if (fail) failed(target);
    }
};

// Log-in entries kept in memory, by name: the program each starts.
struct AutostartEntries {
    QMap<QString, QString> programs;
    bool failCreate = false;
};

class RecordingAutostart : public platform::Autostart {
public:
    explicit RecordingAutostart(AutostartEntries& entries) : entries_(entries) {}
    bool Exists(const QString& name) const override { return entries_.programs.contains(name); }
    bool Create(const QString& name, const QString& program, const QString&) override {
        if (!entries_.failCreate) entries_.programs[name] = program;
        return !entries_.failCreate;
    }
    bool Remove(const QString& name) override { return entries_.programs.remove(name), true; }

private:
    AutostartEntries& entries_;
};

class RecordingSounds : public platform::SoundPlayer {
public:
    QList<int> played;
    bool PlaySound(int resource, Repeat) override { return played << resource, true; }
    bool PlayFile(const QString&, Repeat) override { return false; }
    void Stop() override {}
};

// A note as a test writes it into a notes file.
struct TestNote {
    std::u16string title;
    std::int32_t kind = NoteData::kMessage;
    std::int32_t state = NoteData::kStateShown;
    std::optional<TimeValue> alarm = std::nullopt;
};

// A main frame over a private data folder and installation, with stand-ins
// for the desktop's services and scripted prompts, so nothing ever waits for
// a person. The data folder exists (a normal start) unless a test removes it.
class MainFrameFixture {
public:
    MainFrameFixture();
    ~MainFrameFixture();

    QString DataFolder() const { return root_.path() + "/data/vesk notes 4/"; }
    QString NotesFile() const { return DataFolder() + "notes.xml"; }
    QString SettingsFile() const { return DataFolder() + "settings.xml"; }
    QString BackupFolder() const { return DataFolder() + "backup/"; }
    QString InstallFolder() const { return root_.path() + "/install/"; }
    QString DefaultFolder() const { return InstallFolder() + "default/"; }

    // Makes the frame and runs its start-up.
    CMainFrame& Start();
    CMainFrame& Frame() { return *frame_; }
    RecordingHotKeys& HotKeys() { return *hotKeys_; }
    RecordingLinks& Links() { return *links_; }
    RecordingSounds& Sounds() { return *sounds_; }
    // Kept across starts, as the desktop's entries are.
    AutostartEntries& Autostart() { return autostart_; }
    ScriptedPrompts& Prompts() { return prompts_; }
    bool trayAvailable = true;

    static void WriteNotes(const QString& path, const std::vector<TestNote>& notes);
    // "title:kind:state" per note of the file, wastebasket last.
    static QStringList SavedNotes(const QString& path);
    static void WriteBytes(const QString& path, const QByteArray& bytes);
    static QByteArray Bytes(const QString& path);
    // Shown message notes "Note 0", "Note 1", ...
    static std::vector<TestNote> ShownNotes(int n);
    QStringList Files(const QString& folder) const;

private:
    ScriptedPrompts prompts_;
    QTemporaryDir root_;
    RecordingHotKeys* hotKeys_ = nullptr;
    RecordingLinks* links_ = nullptr;
    RecordingSounds* sounds_ = nullptr;
    AutostartEntries autostart_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace vesk::test

#pragma once

#include <QObject>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "app/AlarmScheduler.h"
#include "app/AutoSave.h"
#include "app/CloseSequence.h"
#include "app/DialogSlots.h"
#include "app/ImportCommand.h"
#include "app/MainCommands.h"
#include "app/MainFrameServices.h"
#include "app/MainHotKeys.h"
#include "app/NewNotes.h"
#include "app/NotesSaver.h"
#include "app/SettingsCommand.h"
#include "app/SettingsSaver.h"
#include "app/ThemeCommand.h"
#include "app/TrayIcon.h"
#include "app/TrayMenu.h"
#include "backup/BackupOwner.h"
#include "notebook/NotebookNotices.h"
#include "notes/NoteArchive.h"
#include "notes/NoteCollection.h"
#include "notewnd/NoteHost.h"
#include "notewnd/QtNoteWindowFactory.h"
#include "settings/SettingsData.h"

namespace vesk {

// The program's hidden centre: owns the notes, the archive, the settings and
// the alarms for the whole run, serves the note windows and dialogs, and
// turns tray clicks, hot keys, timer ticks and commands into work. It has no
// window of its own; the tray icon and the notes are what the user sees.
class CMainFrame : public QObject, public NoteHost, public BackupOwner, public AlarmOwner {
    Q_OBJECT

public:
    explicit CMainFrame(MainFrameServices services, QObject* parent = nullptr);
    ~CMainFrame() override;

    // The start-up: tray icon, data folder, settings and notes with their
    // fall-backs, the alarm timer and the hot keys.
    void Create();
    // The close has run: files saved, windows gone.
    bool IsClosed() const { return closing_.IsClosed(); }

    // Services of the note windows.
    SettingsData& GetSettings() override { return settings_; }
    void MarkChanged() override;
    void NoteMoved(NoteId id, std::int32_t from, std::int32_t to) override;
    void ScheduleAlarm(NoteWindow& window) override;
    void UnscheduleAlarm(NoteId id) override;
    bool ArchiveNote(NoteId id) override;
    void RegisterFontFace(const std::u16string& face) override;
    const std::set<std::u16string>& GetFontFaces() const override { return fontFaces_; }
    void OpenLink(const std::u16string& url) override;
    void PlaySound(int resource) override;

    // Replaces every note with the file's; false, keeping the notes held,
    // when it is not a notes file.
    bool LoadNotes(const std::filesystem::path& path) override;
    // LoadNotes has replaced the notes: a backup was restored, which takes
    // the place of what the start-up would load.
    bool NotesRestored() const { return notesRestored_; }
    void OnAlarmDue(std::uint32_t noteId) override;

    // Adds the notes of the file to those held; the start-up's load, which
    // keeps the notes made from the tray while a start-up dialog was open.
    bool AddNotes(const std::filesystem::path& path);
    // Reads the settings file (of the previous version: its "settings.dat")
    // and takes up what it says: auto-save, the backup folder, the fonts.
    // False when the file could not be read.
    bool LoadSettings(const std::filesystem::path& path, bool fromPreviousVersion = false);
    // Takes up the settings held, loaded or built in: auto-save, the backup
    // folder, the fonts.
    void UseSettings();
    // Backs the file up first when backups are on. False when the notes
    // could not be written; the user hears of it.
    bool SaveNotes(const std::filesystem::path& path);
    // Saves the notes, open edits included, and the settings without ending
    // the program.
    void SaveAll();
    void EmptyWastebasket();
    // A note of the kind at a random place, opened for editing; false when
    // the kind has no window.
    bool CreateNewNote(std::int32_t kind);
    void RegisterHotKeys();
    void OpenBackupManager();

    void OnTimer(int id);
    void OnHotKey(int id);
    void OnTrayDoubleClick();
    // False when nothing answers the command.
    bool OnCommand(std::uint32_t command);
    // Ends the program, saving first, open edits included. When the notes
    // cannot be saved the user chooses between trying again, ending without
    // them and going on.
    void Close() { closing_.Close(); }
    // Close when the session ends (a signal): no one is asked; notes that
    // cannot be saved make the run fail.
    void EndSession() { closing_.EndSession(); }
    // An end that cannot wait: dialogs are cancelled and the program ends at
    // once.
    void CloseNow() { closing_.CloseNow(); }
    // The program's exit status: 1 when it ended without its notes saved.
    int ExitStatus() const { return saver_.NotesLost() ? 1 : 0; }

    std::filesystem::path NotesFile() const;
    std::filesystem::path SettingsFile() const;
    NoteCollection& GetCollection() { return collection_; }
    NoteArchive& GetArchive() { return archive_; }
    MainCommands& GetCommands() { return commands_; }
    AlarmScheduler& GetAlarms() { return alarms_; }
    TrayIcon& GetTray() { return tray_; }
    NotesSaver& GetSaver() { return saver_; }
    SettingsSaver& GetSettingsSaver() { return settingsSaver_; }
    NotebookNotices& GetNotebook() { return notebook_; }
    // The auto-save period in use; 0 while auto-save is off.
    int AutoSaveInterval() const { return autoSave_.Interval(); }

private:
    void SetUpCommands();
    void ShowNote(NoteId id);
    // A new note came in from the New commands or an import.
    void NoteAdded();
    // The close's save: open edits, the wastebasket policy "on exit", the
    // notes. False when the user keeps the program running.
    bool SaveAtEnd();
    // The notes are saved: the settings, then everything the run holds.
    void ShutDown();
    // The wastebasket policy "after each crumple".
    void EmptyAfterCrumple();

    MainFrameServices services_;
    SettingsData settings_;
    QtNoteWindowFactory factory_;
    NoteArchive archive_;
    AlarmScheduler alarms_;
    MainCommands commands_;
    TrayMenu trayMenu_;
    TrayIcon tray_;
    MainHotKeys hotKeys_;
    DialogSlots dialogs_;
    std::unique_ptr<platform::SoundPlayer> sounds_;
    std::set<std::u16string> fontFaces_;
    AutoSave autoSave_;
    SettingsSaver settingsSaver_;
    SettingsCommand settingsCommand_;
    ThemeCommand themeCommand_;
    ImportCommand importCommand_;
    // Last among the members: the windows use everything above while they
    // are destroyed.
    NoteCollection collection_;
    NewNotes newNotes_;
    NotesSaver saver_;
    NotebookNotices notebook_;
    CloseSequence closing_;
    bool notesRestored_ = false;
};

}  // namespace vesk

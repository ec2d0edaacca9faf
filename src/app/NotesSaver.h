#pragma once

#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <filesystem>

#include "xml/FileIO.h"

namespace vesk {

class BackupData;
class NoteCollection;

// Writes the notes file, backing it up first while backups are on, and looks
// after what a failing save puts at risk. The user hears of a failure once
// per run of failures, with the system's reason, and once more when saving
// works again; retries never wear the backups away. At the end of the run
// the user decides before any note is lost; a session that ends leaves no
// one to ask, so the reason goes to standard error and the run counts as
// failed.
class NotesSaver : public QObject {
    Q_OBJECT

public:
    NotesSaver(NoteCollection& collection, BackupData& backups)
        : collection_(collection), backups_(backups) {}

    // A save while the program runs. After a failure the notes stay in
    // memory for the next try.
    FileResult Save(const std::filesystem::path& path);
    // The save before the program ends. False when the user chose to keep
    // the program running rather than end without the notes.
    bool SaveAtEnd(const std::filesystem::path& path);

    // From now on no one is there to answer.
    void SetSessionEnding() { sessionEnding_ = true; }
    bool IsSessionEnding() const { return sessionEnding_; }
    // The run ended without its notes saved.
    bool NotesLost() const { return notesLost_; }

signals:
    // A message for the tray: it tells without waiting for the user.
    void Report(const QString& title, const QString& text, QSystemTrayIcon::MessageIcon icon);

private:
    FileResult Write(const std::filesystem::path& path);

    NoteCollection& collection_;
    BackupData& backups_;
    bool failing_ = false;
    bool sessionEnding_ = false;
    bool notesLost_ = false;
};

}  // namespace vesk

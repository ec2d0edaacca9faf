#include "app/StartUp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/MainFrame.h"
#include "app/PathText.h"
#include "app/UnreadableFile.h"
#include "dialogs/UserPrompts.h"
#include "platform/Folders.h"
#include "xml/FileIO.h"

namespace vesk {
namespace {

void CopyIfMissing(const QString& source, const QString& target) {
    if (!QFileInfo::exists(target)) QFile::copy(source, target);
}

}  // namespace

bool StartUp::SetUpDataFolder() {
    const bool created = platform::CreateFolder(folders_.DataFolder());
    platform::CreateFolder(folders_.BackupFolder());
    if (created) {
        CopyIfMissing(folders_.DefaultSettingsFile(), ToQString(frame_.SettingsFile()));
        CopyIfMissing(folders_.DefaultNotesFile(), ToQString(frame_.NotesFile()));
    }
    platform::CreateFolder(folders_.ArchiveFolder());
    // The instance lock keeps every other instance out, so each temporary
    // file here is one a killed write left behind.
    for (const QString& folder :
         {folders_.DataFolder(), folders_.BackupFolder(), folders_.ArchiveFolder()}) {
        RemoveStaleTemporaryFiles(ToPath(folder));
    }
    return created;
}

void StartUp::LoadData() {
    LoadSettingsOrDefault();
    LoadNotesOrAsk();
}

QString StartUp::NotesFailedText(const QString& kept) {
    QString text = QStringLiteral(
        "Your notes failed to load because the notes file is either corrupted or missing.\n"
        "Would you like to go to the Backup Manager to restore a backup file?");
    if (!kept.isEmpty()) {
        text += QStringLiteral("\n\nThe unreadable notes file has been kept as \"%1\".")
                    .arg(QDir::toNativeSeparators(kept));
    }
    return text;
}

void StartUp::LoadSettingsOrDefault() {
    if (frame_.LoadSettings(frame_.SettingsFile())) return;
    const QString settings = ToQString(frame_.SettingsFile());
    const QString kept = SetAsideUnreadableFile(settings);
    QFile::remove(settings);
    QFile::copy(folders_.DefaultSettingsFile(), settings);
    // Should the defaults be unreadable too, the built-in settings stand.
    frame_.LoadSettings(frame_.SettingsFile());
    // A missing file loses nothing; an unreadable one held the user's
    // choices, so they learn where it went.
    if (kept.isEmpty()) return;
    UserPrompts::Current().ShowMessage(
        nullptr,
        QStringLiteral("Your settings failed to load because the settings file is corrupted.\n"
                       "The default settings are used instead.\n\n"
                       "The unreadable settings file has been kept as \"%1\".")
            .arg(QDir::toNativeSeparators(kept)),
        QStringLiteral("Yikes!"), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
}

void StartUp::LoadNotesOrAsk() {
    // A message about the settings may have come first, and with it notes
    // from the tray, or a backup restored from there in the file's place.
    if (frame_.NotesRestored() || frame_.AddNotes(frame_.NotesFile())) return;
    const QString kept = SetAsideUnreadableFile(ToQString(frame_.NotesFile()));
    const auto answer =
        UserPrompts::Current().ShowMessage(nullptr, NotesFailedText(kept), QStringLiteral("Yikes!"),
                                           UserPrompts::Buttons::YesNo, UserPrompts::Icon::Warning);
    if (answer == UserPrompts::Answer::Yes) frame_.OpenBackupManager();
}

}  // namespace vesk

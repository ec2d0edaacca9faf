#include "app/NotesSaver.h"

#include <cstdio>

#include "backup/BackupData.h"
#include "dialogs/UserPrompts.h"
#include "notes/NoteCollection.h"

namespace vesk {
namespace {

QString ReasonText(const FileResult& result) { return QString::fromLocal8Bit(result.Reason()); }

bool AskTryAgain(const QString& reason) {
    return UserPrompts::Current().ShowMessage(
               nullptr,
               QStringLiteral("Your notes could not be saved:\n%1\n\nTry again?").arg(reason),
               QStringLiteral("Uh oh"), UserPrompts::Buttons::RetryCancel,
               UserPrompts::Icon::Warning) == UserPrompts::Answer::Retry;
}

bool AskEndWithoutSaving() {
    return UserPrompts::Current().ShowMessage(
               nullptr,
               QStringLiteral("If vesk notes 4 ends now, the changes to your notes since they "
                              "were last saved are lost.\n\nEnd without saving?"),
               QStringLiteral("Last Chance"), UserPrompts::Buttons::YesNo,
               UserPrompts::Icon::Warning) == UserPrompts::Answer::Yes;
}

}  // namespace

FileResult NotesSaver::Write(const std::filesystem::path& path) {
    if (backups_.IsEnabled()) backups_.BackUpBeforeSave(path);
    return collection_.SaveCollection(path);
}

FileResult NotesSaver::Save(const std::filesystem::path& path) {
    const FileResult saved = Write(path);
    if (!saved && !failing_) {
        emit Report(QStringLiteral("Uh oh"),
                    QStringLiteral("Your notes could not be saved:\n%1\n\nThe changes stay in "
                                   "memory until they can be saved.")
                        .arg(ReasonText(saved)),
                    QSystemTrayIcon::Warning);
    } else if (saved && failing_) {
        emit Report(QStringLiteral("Sweetness"), QStringLiteral("Your notes are saved again."),
                    QSystemTrayIcon::Information);
    }
    failing_ = !saved;
    return saved;
}

bool NotesSaver::SaveAtEnd(const std::filesystem::path& path) {
    for (;;) {
        const FileResult saved = Write(path);
        if (saved) return true;
        // Told here, the user needs no tray message about it later.
        failing_ = true;
        const QString reason = ReasonText(saved);
        if (sessionEnding_) {
            std::fprintf(stderr, "vesk notes 4: your notes could not be saved: %s\n",
                         qPrintable(reason));
            notesLost_ = true;
            return true;
        }
        // A session that ends meanwhile cancels the question; the next turn
        // ends as above.
        if (AskTryAgain(reason) || sessionEnding_) continue;
        if (AskEndWithoutSaving()) {
            notesLost_ = true;
            return true;
        }
        if (!sessionEnding_) return false;
    }
}

}  // namespace vesk

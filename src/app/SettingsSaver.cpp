#include "app/SettingsSaver.h"

#include <cstdio>

#include "dialogs/UserPrompts.h"
#include "settings/SettingsData.h"

namespace vesk {
namespace {

QString Unsaved(const FileResult& result) {
    return QStringLiteral("Your settings could not be saved:\n%1")
        .arg(QString::fromLocal8Bit(result.Reason()));
}

}  // namespace

bool SettingsSaver::Save(const std::filesystem::path& path) {
    const FileResult saved = settings_.Save(path);
    if (!saved && !failing_) {
        emit Report(QStringLiteral("Uh oh"), Unsaved(saved), QSystemTrayIcon::Warning);
    }
    failing_ = !saved;
    return static_cast<bool>(saved);
}

void SettingsSaver::SaveAtEnd(const std::filesystem::path& path, bool sessionEnding) {
    for (;;) {
        const FileResult saved = settings_.Save(path);
        if (saved) return;
        if (sessionEnding) {
            std::fprintf(stderr, "vesk notes 4: %s\n",
                         qPrintable(Unsaved(saved).replace(u'\n', u' ')));
            return;
        }
        // Cancel ends the program without them: the notes are saved by now.
        if (UserPrompts::Current().ShowMessage(
                nullptr, Unsaved(saved) + "\n\nTry again?", QStringLiteral("Uh oh"),
                UserPrompts::Buttons::RetryCancel,
                UserPrompts::Icon::Warning) != UserPrompts::Answer::Retry) {
            return;
        }
    }
}

}  // namespace vesk

#include "backup/BackupList.h"

namespace vesk {

std::u16string FormatBackupTime(TimeValue time) { return TimeToText(time); }

std::vector<std::u16string> BackupListTexts(const BackupData& backups) {
    std::vector<std::u16string> texts;
    for (const auto& [time, name] : backups.GetBackups()) texts.push_back(FormatBackupTime(time));
    if (texts.empty()) texts.emplace_back(kNoBackupsFound);
    return texts;
}

}  // namespace vesk

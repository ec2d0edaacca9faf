#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "backup/BackupData.h"

namespace vesk {

// The line the Backup Manager shows when the index is empty.
inline constexpr std::u16string_view kNoBackupsFound = u"No backups found";

// A backup's time as the Backup Manager lists it: local "%Y-%m-%d %H:%M:%S".
std::u16string FormatBackupTime(TimeValue time);
// The Backup Manager's lines: every indexed time, oldest first, or the
// single "No backups found" line.
std::vector<std::u16string> BackupListTexts(const BackupData& backups);

}  // namespace vesk

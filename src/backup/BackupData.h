#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "backup/BackupOwner.h"
#include "backup/FileCreationTime.h"
#include "xml/TextForms.h"
#include "xml/XMLElement.h"

namespace vesk {

// Numbered copies of the notes file ("backup1.xml", "backup2.xml", ...) in one
// folder, indexed by creation time, of which only the newest are kept.
class BackupData {
public:
    // Creation time (seconds) to bare file name, oldest first.
    using Index = std::map<TimeValue, std::u16string>;
    // How a backup file's creation time is read; none for a file that is gone.
    using FileTimeReader =
        std::function<std::optional<TimeValue>(const std::filesystem::path& path)>;

    bool IsEnabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // Ends with a path separator once set.
    const std::u16string& GetFolder() const { return folder_; }
    void SetFolder(std::u16string folder);
    // Below 1: keep every backup.
    std::int32_t GetMaxKeep() const { return maxKeep_; }
    void SetMaxKeep(std::int32_t maxKeep) { maxKeep_ = maxKeep; }
    const Index& GetBackups() const { return backups_; }
    // Backup files known, including those that share a second in the index.
    std::int32_t GetCount() const { return count_; }
    void SetOwner(BackupOwner* owner) { owner_ = owner; }
    // The file system's clock unless a test stands in for it.
    void SetFileTimeReader(FileTimeReader reader) { fileTime_ = std::move(reader); }

    // Copies the source under the first free name and prunes. False when the
    // copy fails (the source does not exist yet, the folder is unset or
    // unwritable); nothing changes then.
    bool CreateBackup(const std::filesystem::path& source);
    // The backup before a save: as CreateBackup, except that a source the
    // newest backup already holds makes none. Saves that keep failing leave
    // the file as it was, so their retries never push good backups out.
    bool BackUpBeforeSave(const std::filesystem::path& source);
    // Rebuilds the index from the folder, then prunes.
    void ScanBackups();
    // The file name indexed under that second, or empty.
    std::u16string FindBackup(TimeValue time) const;
    // Loads the backup of that second as the notes through the owner.
    bool RestoreBackup(TimeValue time) const;

    // The index and folder are not stored; maxKeep only while backups are on.
    void SaveToElement(XMLElement& parent) const;
    void LoadFromElement(const XMLElement& element);

private:
    bool NewestHolds(const std::string& bytes) const;
    // Writes the bytes as a new backup and prunes.
    bool Store(const std::string& bytes);
    void Prune();

    bool enabled_ = true;
    std::u16string folder_;
    std::int32_t maxKeep_ = 5;
    Index backups_;
    std::int32_t count_ = 0;
    BackupOwner* owner_ = nullptr;
    FileTimeReader fileTime_ = FileCreationTime;
};

}  // namespace vesk

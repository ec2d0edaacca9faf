#include "backup/BackupData.h"

#include <filesystem>
#include <system_error>

#include "xml/FileIO.h"

namespace vesk {

namespace {

constexpr std::u16string_view kPrefix = u"backup";
constexpr std::u16string_view kExtension = u".xml";

bool IsBackupName(std::u16string_view name) {
    return name.size() >= kPrefix.size() + kExtension.size() && name.starts_with(kPrefix) &&
           name.ends_with(kExtension);
}

}  // namespace

void BackupData::SetFolder(std::u16string folder) {
    // An empty folder stays unset rather than becoming the file-system root.
    const auto separator = static_cast<char16_t>(std::filesystem::path::preferred_separator);
    if (!folder.empty() && folder.back() != separator) folder += separator;
    folder_ = std::move(folder);
}

bool BackupData::CreateBackup(const std::filesystem::path& source) {
    std::string bytes;
    return ReadFileBytes(source, bytes) && Store(bytes);
}

bool BackupData::BackUpBeforeSave(const std::filesystem::path& source) {
    std::string bytes;
    return ReadFileBytes(source, bytes) && (NewestHolds(bytes) || Store(bytes));
}

bool BackupData::NewestHolds(const std::string& bytes) const {
    if (backups_.empty()) return false;
    const std::filesystem::path newest = WideToPath(folder_ + backups_.rbegin()->second);
    std::error_code error;
    // The size tells most changes apart without reading the backup.
    if (std::filesystem::file_size(newest, error) != bytes.size() || error) return false;
    std::string held;
    return ReadFileBytes(newest, held) && held == bytes;
}

bool BackupData::Store(const std::string& bytes) {
    // Without a folder the copy would land in the current directory.
    if (folder_.empty()) return false;
    std::error_code error;
    std::u16string name;
    std::filesystem::path target;
    for (std::int64_t n = 1;; ++n) {
        name = std::u16string(kPrefix) + IntToText(n) + std::u16string(kExtension);
        target = WideToPath(folder_ + name);
        if (!std::filesystem::exists(target, error)) break;
    }
    // Written whole under a temporary name first: a backup cut short by a
    // crash never takes a backup's name.
    if (!WriteFileAtomically(target, bytes)) return false;
    backups_[fileTime_(target).value_or(Now())] = name;
    ++count_;
    Prune();
    return true;
}

void BackupData::ScanBackups() {
    backups_.clear();
    count_ = 0;
    if (folder_.empty()) return;
    std::error_code error;
    std::filesystem::directory_iterator it(WideToPath(folder_), error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        // An entry that cannot be examined is skipped, not the rest of the scan.
        std::error_code entryError;
        if (!it->is_regular_file(entryError)) continue;
        const std::u16string name = PathToWide(it->path().filename());
        if (!IsBackupName(name)) continue;
        // A file deleted while the folder is read is simply not there.
        const auto created = fileTime_(it->path());
        if (!created) continue;
        backups_[*created] = name;
        ++count_;
    }
    Prune();
}

std::u16string BackupData::FindBackup(TimeValue time) const {
    const auto it = backups_.find(time);
    return it == backups_.end() ? std::u16string() : it->second;
}

bool BackupData::RestoreBackup(TimeValue time) const {
    const std::u16string name = FindBackup(time);
    if (name.empty() || owner_ == nullptr) return false;
    return owner_->LoadNotes(WideToPath(folder_ + name));
}

void BackupData::Prune() {
    if (maxKeep_ < 1) return;
    std::error_code error;
    while (count_ > maxKeep_ && !backups_.empty()) {
        const auto oldest = backups_.begin();
        std::filesystem::remove(WideToPath(folder_ + oldest->second), error);
        backups_.erase(oldest);
        --count_;
    }
}

void BackupData::SaveToElement(XMLElement& parent) const {
    XMLElement& element = parent.AddChild(u"backup");
    element.SetAttribute(u"enabled", BoolToText(enabled_));
    if (enabled_) element.AddChild(u"maxkeep").SetText(IntToText(maxKeep_));
}

void BackupData::LoadFromElement(const XMLElement& element) {
    backups_.clear();
    count_ = 0;
    enabled_ = TextToBool(element.GetAttribute(u"enabled"));
    if (!enabled_) return;
    if (const XMLElement* maxKeep = element.FindChild(u"maxkeep")) {
        maxKeep_ = TextToInt(maxKeep->GetText());
    }
}

}  // namespace vesk

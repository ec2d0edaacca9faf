#include "import/PreviousVersionCopy.h"

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <system_error>

namespace vesk {
namespace {

const std::filesystem::path kArchiveFolder = "archive";
constexpr std::string_view kArchiveExtension = ".vesknote";

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// By the name's end: a note with an empty title is archived as ".vesknote",
// which the path's own rules take for a name without an extension.
bool IsArchivedNote(const std::filesystem::path& file) {
    return file.filename().native().ends_with(kArchiveExtension) && IsFile(file);
}

}  // namespace

PreviousVersionFiles FindPreviousVersion(const std::filesystem::path& folder) {
    return {IsFile(folder / PreviousVersionCopy::kNotesFile),
            IsFile(folder / PreviousVersionCopy::kSettingsFile)};
}

FileResult CopyToNewFile(const std::filesystem::path& source, const std::filesystem::path& target) {
    std::error_code error;
    if (std::filesystem::exists(target, error)) return FileResult::Failed(EEXIST);
    std::string bytes;
    errno = 0;
    if (!ReadFileBytes(source, bytes)) return FileResult::Failed(errno != 0 ? errno : EIO);
    return WriteFileAtomically(target, bytes);
}

std::filesystem::path FreeFileName(const std::filesystem::path& wanted) {
    const std::string name = wanted.filename().native();
    // The extension starts at the last dot, also when it is the first
    // character.
    const std::size_t dot = std::min(name.rfind('.'), name.size());
    std::error_code error;
    std::filesystem::path candidate = wanted;
    for (int n = 2; std::filesystem::exists(candidate, error); ++n) {
        candidate.replace_filename(name.substr(0, dot) + " (" + std::to_string(n) + ")" +
                                   name.substr(dot));
    }
    return candidate;
}

std::string PreviousVersionCopy::CopyDataFile(const char* name) {
    const FileResult copied = CopyToNewFile(source_ / name, data_ / name);
    return copied ? std::string() : copied.Reason();
}

bool PreviousVersionCopy::CopyNotes() {
    copies_.notesFailure = CopyDataFile(kNotesFile);
    copies_.notes = copies_.notesFailure.empty();
    return copies_.notes;
}

bool PreviousVersionCopy::CopySettings() {
    copies_.settingsFailure = CopyDataFile(kSettingsFile);
    copies_.settings = copies_.settingsFailure.empty();
    return copies_.settings;
}

bool PreviousVersionCopy::CopyArchive() {
    const std::filesystem::path target = data_ / kArchiveFolder;
    std::error_code error;
    std::filesystem::create_directories(target, error);
    std::filesystem::directory_iterator it(source_ / kArchiveFolder, error);
    // No archive folder is an archive of no notes.
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::filesystem::path& file = it->path();
        if (!IsArchivedNote(file)) continue;
        if (CopyToNewFile(file, FreeFileName(target / file.filename()))) {
            ++copies_.archived;
        } else {
            ++copies_.archiveFailures;
        }
    }
    return copies_.archiveFailures == 0;
}

}  // namespace vesk

#pragma once

#include <filesystem>
#include <string>
#include <utility>

#include "xml/FileIO.h"

namespace vesk {

// The previous version's files that its folder holds.
struct PreviousVersionFiles {
    bool notes = false;
    bool settings = false;
};

PreviousVersionFiles FindPreviousVersion(const std::filesystem::path& folder);

// What the import brought into the data folder, and what it could not. A
// reason is empty unless that copy was tried and failed.
struct ImportCopies {
    bool notes = false;
    bool settings = false;
    int archived = 0;
    std::string notesFailure;
    std::string settingsFailure;
    int archiveFailures = 0;
    bool logInEntryFailed = false;

    bool AnyFailed() const {
        return !notesFailure.empty() || !settingsFailure.empty() || archiveFailures > 0 ||
               logInEntryFailed;
    }
};

// The copy steps of the import, from the previous version's folder into the
// data folder. No file is ever replaced: each copy is whole or absent, and an
// archived note whose name is taken gets a free one.
class PreviousVersionCopy {
public:
    static constexpr const char* kNotesFile = "notes.dat";
    static constexpr const char* kSettingsFile = "settings.dat";

    PreviousVersionCopy(std::filesystem::path source, std::filesystem::path dataFolder)
        : source_(std::move(source)), data_(std::move(dataFolder)) {}

    // Each step notes its outcome in Copies(); true when all went well.
    bool CopyNotes();
    bool CopySettings();
    bool CopyArchive();

    const ImportCopies& Copies() const { return copies_; }
    ImportCopies& Copies() { return copies_; }

private:
    // The reason the copy failed; empty when it was made.
    std::string CopyDataFile(const char* name);

    std::filesystem::path source_;
    std::filesystem::path data_;
    ImportCopies copies_;
};

// Copies source to target, which must not exist yet: EEXIST when it does.
// The target holds the source whole or does not exist.
FileResult CopyToNewFile(const std::filesystem::path& source, const std::filesystem::path& target);

// wanted, when no file has that name; else the first free of
// "name (2).ext", "name (3).ext", … in the same folder.
std::filesystem::path FreeFileName(const std::filesystem::path& wanted);

}  // namespace vesk

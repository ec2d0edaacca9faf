#pragma once

#include <filesystem>
#include <functional>
#include <list>
#include <map>
#include <memory>

#include "notes/ArchiveEntry.h"
#include "notes/NoteData.h"

namespace vesk {

// The archive folder: each archived note is a single-note file there, named
// after its title. Lists the folder for the Notebook and loads archived notes
// on demand, keeping the last few loaded.
class NoteArchive {
public:
    // How many loaded records GetNote keeps.
    static constexpr std::size_t kCacheSize = 5;

    // titleBarHeight gives the note windows' current title bar height, which
    // sizes the drawing of a scribble in the previous version's form.
    explicit NoteArchive(std::function<int()> titleBarHeight);
    NoteArchive(const NoteArchive&) = delete;
    NoteArchive& operator=(const NoteArchive&) = delete;

    void SetFolder(const std::filesystem::path& folder);
    const std::filesystem::path& GetFolder() const { return folder_; }

    // Rescans the folder; files that are not readable notes are left out.
    bool Refresh();
    // As of the last Refresh, in file-name order. Entries keep their place in
    // memory until deleted or refreshed.
    const std::list<ArchiveEntry>& GetEntries() const { return entries_; }
    // The archived note's record, or none when the file is not a readable
    // note. The archive owns it; it stays valid until a later GetNote evicts
    // it or the entry is deleted.
    const NoteData* GetNote(const std::filesystem::path& path);
    // Writes the note as a new file named after its title. The entries are
    // not updated until the next Refresh.
    bool Add(NoteData& record);
    // Deletes the entry's file; false when the entry is not one of the list.
    bool Delete(const ArchiveEntry& entry);

    // The file name a note of this title gets, before any number that keeps
    // it apart from the existing files.
    static std::u16string BaseName(const std::u16string& title);

private:
    void Forget(const std::filesystem::path& path);

    std::function<int()> titleBarHeight_;
    std::filesystem::path folder_;
    std::list<ArchiveEntry> entries_;
    std::map<std::filesystem::path, std::unique_ptr<NoteData>> cache_;
    // The paths of the cache, most recently used first.
    std::list<std::filesystem::path> recent_;
};

}  // namespace vesk

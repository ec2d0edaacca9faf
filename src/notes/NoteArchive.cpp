#include "notes/NoteArchive.h"

#include <algorithm>
#include <system_error>
#include <utility>
#include <vector>

#include "notes/NoteFile.h"
#include "xml/TextForms.h"

namespace vesk {

namespace {

constexpr std::size_t kMaxBaseName = 32;
constexpr std::u16string_view kExtension = u".vesknote";
// Characters that some file system rejects or gives a meaning, so archive
// names stay valid wherever the folder is taken.
constexpr std::u16string_view kReplaced = u".;,:*<>/+=[]\\?\"|";

bool IsReplaced(char16_t c) { return c < 0x20 || c == 0x7F || kReplaced.find(c) != kReplaced.npos; }

// Archives written elsewhere may carry the extension in capitals.
bool HasNoteExtension(const std::filesystem::path& path) {
    const std::u16string name = PathToWide(path.filename());
    if (name.size() < kExtension.size()) {
        return false;
    }
    return std::equal(kExtension.begin(), kExtension.end(), name.end() - kExtension.size(),
                      [](char16_t expected, char16_t actual) {
                          const char16_t lower = actual >= u'A' && actual <= u'Z'
                                                     ? static_cast<char16_t>(actual - u'A' + u'a')
                                                     : actual;
                          return lower == expected;
                      });
}

}  // namespace

NoteArchive::NoteArchive(std::function<int()> titleBarHeight)
    : titleBarHeight_(std::move(titleBarHeight)) {}

void NoteArchive::SetFolder(const std::filesystem::path& folder) { folder_ = folder; }

std::u16string NoteArchive::BaseName(const std::u16string& title) {
    std::u16string name = title.size() > kMaxBaseName ? title.substr(0, kMaxBaseName - 1) : title;
    std::replace_if(name.begin(), name.end(), IsReplaced, u'_');
    return name;
}

bool NoteArchive::Add(NoteData& record) {
    // Without a folder the name would land wherever the program was started.
    if (folder_.empty()) {
        return false;
    }
    const std::u16string base = BaseName(record.GetTitle());
    std::filesystem::path path;
    for (std::uint64_t n = 0;; ++n) {
        path = folder_ / WideToPath(base + (n > 0 ? IntToText(static_cast<std::int64_t>(n)) : u"") +
                                    std::u16string(kExtension));
        std::error_code error;
        if (!std::filesystem::exists(path, error) && !error) {
            break;
        }
        if (error) {
            return false;
        }
    }
    // An archived note is never stored rolled up; a note that could not be
    // archived stays on the desktop as it was.
    const bool shaded = record.IsShaded();
    record.SetShaded(false);
    const bool saved = record.SaveToFile(path);
    if (!saved) {
        record.SetShaded(shaded);
    }
    return saved;
}

bool NoteArchive::Refresh() {
    entries_.clear();
    std::vector<std::filesystem::path> paths;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end;
         it.increment(error)) {
        if (HasNoteExtension(it->path())) {
            paths.push_back(it->path());
        }
    }
    // Listing order differs between file systems; by name, the archive reads
    // the same everywhere.
    std::sort(paths.begin(), paths.end());
    for (const std::filesystem::path& path : paths) {
        ArchiveEntry entry = ReadArchiveEntry(path);
        if (entry.kind != ArchiveEntry::kNotANote) {
            entries_.push_back(std::move(entry));
        }
    }
    return true;
}

const NoteData* NoteArchive::GetNote(const std::filesystem::path& path) {
    if (const auto cached = cache_.find(path); cached != cache_.end()) {
        recent_.splice(recent_.begin(), recent_, std::find(recent_.begin(), recent_.end(), path));
        return cached->second.get();
    }
    if (recent_.size() >= kCacheSize) {
        cache_.erase(recent_.back());
        recent_.pop_back();
    }
    std::unique_ptr<NoteData> record = LoadNoteFile(path, false, titleBarHeight_());
    if (!record) {
        return nullptr;
    }
    const NoteData* loaded = record.get();
    cache_.emplace(path, std::move(record));
    recent_.push_front(path);
    return loaded;
}

bool NoteArchive::Delete(const ArchiveEntry& entry) {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&entry](const ArchiveEntry& e) { return &e == &entry; });
    if (found == entries_.end()) {
        return false;
    }
    std::error_code ignored;
    std::filesystem::remove(found->path, ignored);
    // A later note archived under the same name must not show this one.
    Forget(found->path);
    entries_.erase(found);
    return true;
}

void NoteArchive::Forget(const std::filesystem::path& path) {
    cache_.erase(path);
    recent_.remove(path);
}

}  // namespace vesk

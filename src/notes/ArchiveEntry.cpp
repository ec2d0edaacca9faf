#include "notes/ArchiveEntry.h"

#include <chrono>
#include <fstream>
#include <string>
#include <system_error>

#include "import/NarrowStream.h"
#include "notes/NoteData.h"
#include "xml/XMLDocument.h"

namespace vesk {

namespace {

// The previous version wrote single-note files from version 3 on.
constexpr double kFirstPreviousVersion = 3.0;
constexpr std::size_t kMaxPreviousTitle = 256;
// Kinds the previous version's summary accepts; the record reader is
// stricter, so a file listed with an odd kind may still fail to open.
constexpr std::uint32_t kPreviousKindLimit = 5;

TimeValue LastModified(const std::filesystem::path& path) {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    if (error) {
        return 0;
    }
    const auto system = std::chrono::file_clock::to_sys(time);
    return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

std::int32_t KindOfType(std::u16string_view type) {
    if (type == u"message") return NoteData::kMessage;
    if (type == u"scribble") return NoteData::kScribble;
    if (type == u"checklist") return NoteData::kChecklist;
    if (type == u"picture") return NoteData::kPicture;
    return ArchiveEntry::kNotANote;
}

void ReadPreviousVersion(ArchiveEntry& entry) {
    std::ifstream file(entry.path, std::ios::binary);
    NarrowStream in(file);
    double version = 0.0;
    if (!in.ReadReal(version) || !(version >= kFirstPreviousVersion)) {
        return;
    }
    in.SkipRestOfLine();
    std::string title;
    in.ReadLine(title);
    if (title.size() > kMaxPreviousTitle) {
        title.resize(kMaxPreviousTitle);
    }
    entry.title = NarrowToWide(title);
    std::uint32_t kind = 0;
    if (in.ReadUInt32(kind) && kind < kPreviousKindLimit) {
        entry.kind = static_cast<std::int32_t>(kind);
    }
    entry.fileTime = LastModified(entry.path);
}

}  // namespace

ArchiveEntry ReadArchiveEntry(const std::filesystem::path& path) {
    ArchiveEntry entry;
    entry.path = path;
    XMLDocument document;
    if (!document.Load(path)) {
        ReadPreviousVersion(entry);
        return entry;
    }
    const XMLElement* root = document.GetRoot();
    if (root == nullptr || root->GetName() != u"vesknote") {
        return entry;
    }
    entry.kind = KindOfType(root->GetAttribute(u"type"));
    if (entry.kind == ArchiveEntry::kNotANote) {
        return entry;
    }
    if (const XMLElement* title = root->FindChild(u"title")) {
        entry.title = title->GetText();
    }
    entry.fileTime = LastModified(path);
    return entry;
}

}  // namespace vesk

// The notes file: reading and writing the collection, and the window factory
// that both the notes file and single-note files go through.
#include <utility>

#include "import/NotesFileV3.h"
#include "notes/NoteCollection.h"
#include "notes/NoteFactory.h"
#include "notes/NoteFile.h"
#include "xml/TextForms.h"
#include "xml/XMLDocument.h"

namespace vesk {

namespace {
constexpr double kFileVersion = 4.0;
}  // namespace

std::unique_ptr<NoteWindow> NoteCollection::CreateWindowFromElement(const XMLElement& element,
                                                                    NoteId id) {
    std::unique_ptr<NoteData> record = CreateNoteDataByType(element.GetAttribute(u"type"));
    if (!record) {
        return nullptr;
    }
    record->LoadFromElement(element);
    return factory_.MakeNoteWindow(id, std::move(record));
}

std::unique_ptr<NoteWindow> NoteCollection::LoadNoteWindowFile(const std::filesystem::path& path,
                                                               NoteId id) {
    std::unique_ptr<NoteData> record = LoadNoteFile(path, false, factory_.TitleBarHeight());
    if (!record) {
        return nullptr;
    }
    return factory_.MakeNoteWindow(id, std::move(record));
}

bool NoteCollection::AddNoteFromElement(const XMLElement& element, bool inWastebasket) {
    const NoteId id = NextId();
    std::unique_ptr<NoteWindow> window = CreateWindowFromElement(element, id);
    if (!window) {
        return false;
    }
    if (inWastebasket) {
        window->GetNoteData().SetState(NoteData::kStateWastebasket);
    }
    NoteWindow* note = InsertAndCreate(id, std::move(window));
    if (note == nullptr) {
        return false;
    }
    // Hidden and crumpled notes get their windows but stay out of sight.
    if (note->GetNoteData().GetState() == NoteData::kStateShown) {
        note->BringToAttention();
    }
    return true;
}

FileResult NoteCollection::SaveCollection(const std::filesystem::path& path) const {
    XMLDocument document;
    XMLElement& root = document.CreateRoot(u"notecollection");
    root.SetAttribute(u"version", RealToText(kFileVersion));
    XMLElement& active = root.AddChild(u"active");
    XMLElement& wastebasket = root.AddChild(u"wastebasket");
    for (const auto& [id, note] : notes_) {
        const bool crumpled = note->GetNoteData().GetState() == NoteData::kStateWastebasket;
        note->SaveToElement(crumpled ? wastebasket : active);
    }
    return document.Save(path);
}

bool NoteCollection::LoadCollection(const std::filesystem::path& path) {
    Clear();
    XMLDocument document;
    const XMLElement* root = document.Load(path) ? document.GetRoot() : nullptr;
    if (root != nullptr && root->GetName() == u"notecollection") {
        for (const XMLElement* section : root->Children()) {
            const std::u16string_view name = section->GetName();
            if (name != u"active" && name != u"wastebasket") {
                continue;
            }
            for (const XMLElement* element : section->Children()) {
                // A note of an unknown type is left out; the others load.
                AddNoteFromElement(*element, name == u"wastebasket");
            }
        }
        return true;
    }
    return ReadNotesFileV3(
        path, factory_.TitleBarHeight(), [this](std::unique_ptr<NoteData> record) {
            const NoteId id = NextId();
            NoteWindow* note = InsertAndCreate(id, factory_.MakeNoteWindow(id, std::move(record)));
            if (note == nullptr) {
                return false;
            }
            if (note->GetNoteData().GetState() == NoteData::kStateShown) {
                note->BringToAttention();
            }
            return true;
        });
}

bool NoteCollection::RestoreCollection(const std::filesystem::path& path) {
    NoteMap held;
    held.swap(notes_);
    const bool loaded = LoadCollection(path);
    if (!loaded) {
        // What the failed load made goes; the notes held come back under
        // their own ids, which the ids handed out meanwhile never touch.
        held.swap(notes_);
    }
    Discard(held);
    return loaded;
}

bool NoteCollection::MergeCollection(const std::filesystem::path& path) {
    NoteMap held;
    held.swap(notes_);
    const bool loaded = LoadCollection(path);
    // The notes held have lower ids than any the load handed out.
    if (loaded) {
        notes_.merge(held);
    } else {
        held.swap(notes_);
    }
    Discard(held);
    return loaded;
}

}  // namespace vesk

#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>

#include "notes/NoteWindow.h"
#include "notes/NoteWindowFactory.h"
#include "notes/Rect.h"
#include "settings/SettingsData.h"
#include "settings/StyleData.h"
#include "settings/ThemeData.h"
#include "xml/FileIO.h"

namespace vesk {

class NoteArchive;
class XMLElement;

// Hears of every note that enters or leaves the collection, however it
// comes or goes (loaded, created, imported, restored; removed, emptied,
// replaced).
class CollectionWatcher {
public:
    // The window is in the collection; its system window may not exist yet.
    virtual void NoteAdded(NoteId id, NoteWindow& window) = 0;
    // The note's window is about to be destroyed.
    virtual void NoteRemoved(NoteId id) = 0;

protected:
    ~CollectionWatcher() = default;
};

// Every note outside the archive: on the desktop, hidden or in the
// wastebasket, each as its window, by id. The collection owns the windows.
class NoteCollection {
public:
    using NoteMap = std::map<NoteId, std::unique_ptr<NoteWindow>>;

    explicit NoteCollection(NoteWindowFactory& factory);
    NoteCollection(const NoteCollection&) = delete;
    NoteCollection& operator=(const NoteCollection&) = delete;

    // None stops the telling. The watcher outlives the collection or is
    // taken off first.
    void SetWatcher(CollectionWatcher* watcher) { watcher_ = watcher; }

    // An id never used in this run. Asking again before inserting it gives
    // the same id.
    NoteId NextId();
    // The inserted window; none when there is no window or the id is taken
    // (the window is then destroyed).
    NoteWindow* Insert(NoteId id, std::unique_ptr<NoteWindow> window);
    // Destroys the note's window; false for an unknown id.
    bool Remove(NoteId id);
    // Destroys every window. Ids handed out stay used.
    void Clear();
    NoteWindow* Find(NoteId id);
    // In id order.
    const NoteMap& GetNotes() const { return notes_; }

    // A new 200 × 200 note of the kind at a random place of the work area,
    // titled with today's date in the settings' format and opened for
    // editing. None for a kind without a window.
    NoteWindow* CreateNote(std::int32_t kind, const StyleData& style, bool showTitle,
                           const SettingsData& settings, const Rect& workArea,
                           const RandomSource& random = StandardRandom);
    // A note element of the notes file; false for an unknown type.
    bool AddNoteFromElement(const XMLElement& element, bool inWastebasket);
    // A single-note file, shown whatever state it recorded; false when the
    // file is not a readable note.
    bool ImportNoteFile(const std::filesystem::path& path);
    // Shows the note, out of the wastebasket too, and brings it forward.
    void ShowNoteById(NoteId id);
    // A due alarm: shake, ring and bring the note forward.
    bool AlertNote(NoteId id);
    // Writes the note into the archive; the caller removes it on success.
    bool ArchiveNote(NoteId id, NoteArchive& archive);
    void EmptyWastebasket();
    // Ends every open edit as Done Editing does, keeping what was typed.
    void DoneEditingAll();

    // The notes file. Saving says whether the file was written, and if not, why.
    FileResult SaveCollection(const std::filesystem::path& path) const;
    // Clears the collection, then reads a notes file of this version or of
    // the previous one. False when the file is neither.
    bool LoadCollection(const std::filesystem::path& path);
    // LoadCollection in place of the notes held, except that a file that is
    // neither format (or a previous version's file that breaks off) leaves
    // the notes held as they were: a failed restore loses nothing.
    bool RestoreCollection(const std::filesystem::path& path);
    // Adds the notes of a notes file to those held, which stay as they are
    // (while being edited, too); false, adding nothing, when RestoreCollection
    // would keep the notes held.
    bool MergeCollection(const std::filesystem::path& path);
    // The window of the element's type with its record filled in; none for
    // an unknown type.
    std::unique_ptr<NoteWindow> CreateWindowFromElement(const XMLElement& element, NoteId id);
    // The window of a single-note file's kind; none when it is not a note.
    std::unique_ptr<NoteWindow> LoadNoteWindowFile(const std::filesystem::path& path, NoteId id);

    // Collection-wide actions. Each visits the notes in id order and acts as
    // the user would on each note.
    void HideAll();
    void ShowAll();
    void ShadeAll();
    void UnshadeAll();
    void CrumpleAll();
    void BringAllToFront();
    void SendAllToBack();
    // Hides the shown notes, or when none is shown, shows the hidden ones.
    void ToggleAll();
    void ApplySettingsToAll();

private:
    // Calls act for every note whose record passes test. A command may add or
    // destroy notes (a crumple can empty the wastebasket), so the walk goes
    // over the ids as they were and skips those that are gone.
    template <typename Test, typename Act>
    void ForEachNote(Test test, Act act);
    // Inserts the window and creates its system window; none when the id is
    // taken.
    NoteWindow* InsertAndCreate(NoteId id, std::unique_ptr<NoteWindow> window);
    // Destroys the windows, telling the watcher of each first.
    void Discard(NoteMap& notes);

    NoteWindowFactory& factory_;
    CollectionWatcher* watcher_ = nullptr;
    NoteMap notes_;
    NoteId nextId_ = 0;
};

}  // namespace vesk

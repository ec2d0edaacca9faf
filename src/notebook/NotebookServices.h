#pragma once

namespace vesk {

class NoteArchive;
class NoteCollection;
class NoteFolderRows;
class NoteHost;
class SettingsData;

// What the Notebook works on, all owned by the main frame.
struct NotebookServices {
    NoteCollection& collection;
    NoteArchive& archive;
    NoteFolderRows& rows;
    SettingsData& settings;
    // Marks the collection changed; serves the preview's windows.
    NoteHost& host;
};

}  // namespace vesk

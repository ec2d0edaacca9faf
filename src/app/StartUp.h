#pragma once

#include <QString>

namespace vesk {

namespace platform {
class Folders;
}
class CMainFrame;

// The main frame's start-up: the data folder and, on a start that is not the
// first, the settings and notes with their fall-backs. A file that
// cannot be read is set aside under a name of its own before anything is
// written in its place.
class StartUp {
public:
    StartUp(CMainFrame& frame, const platform::Folders& folders)
        : frame_(frame), folders_(folders) {}

    // Makes the data, backup and archive folders and clears them of the
    // temporary files of writes cut short; when the data folder is new the
    // installation's default files are copied into it. True when the data
    // folder was made now: the first start.
    bool SetUpDataFolder();
    // The settings and the notes of a start that is not the first.
    void LoadData();

    // The question after the notes failed to load; kept names the file that
    // was set aside, if any.
    static QString NotesFailedText(const QString& kept);

private:
    void LoadSettingsOrDefault();
    void LoadNotesOrAsk();

    CMainFrame& frame_;
    const platform::Folders& folders_;
};

}  // namespace vesk

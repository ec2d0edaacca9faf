#pragma once

#include <cstdint>

namespace vesk {

class CVeskNoteWnd;

// Carries out the base window's commands: editing, the alarm, rolling up and
// down, hiding, archiving, saving, printing and crumpling.
class NoteCommandHandler {
public:
    explicit NoteCommandHandler(CVeskNoteWnd& window) : window_(window) {}

    // False for a command the base window does not know. Archive may destroy
    // the window, and this handler with it.
    bool Handle(std::uint32_t command);

private:
    void ShowMenu();
    void Edit();
    void FinishEditing(bool commit);
    void SetAlarm();
    void Unshade();
    void Archive();
    void Print();
    void Crumple();
    void CrumpleIntoWastebasket();

    CVeskNoteWnd& window_;
};

}  // namespace vesk

#pragma once

#include <cstdint>

#include "notes/NoteData.h"

namespace vesk {

class XMLElement;

// Notes are known by these ids only while the program runs; files never
// store them.
using NoteId = std::uint32_t;

// The desktop window of one note, as the note collection sees it. The window
// owns its record; destroying the window destroys the record.
class NoteWindow {
public:
    virtual ~NoteWindow() = default;

    virtual NoteData& GetNoteData() = 0;
    virtual const NoteData& GetNoteData() const = 0;

    // Creates the system window as an unowned top-level window at the
    // record's rectangle.
    virtual void CreateNoteWindow() = 0;
    // Shown: the record's state becomes 0 (the Notebook hears when the note
    // leaves the wastebasket) and the window appears. Hidden: state 1.
    virtual void SetVisible(bool show) = 0;
    // Shown, raised to the top, and lowered again at once unless the note
    // stays on top.
    virtual void BringToAttention() = 0;
    virtual void SetShake(bool on, int intervalMs, int amplitude) = 0;
    virtual void StartAlarmRinging() = 0;
    // Handled synchronously, exactly as if the user had chosen the command.
    virtual void SendCommand(std::uint32_t command) = 0;
    // To the bottom of the z-order, keeping position and size.
    virtual void MoveToBottom() = 0;
    // Takes up the settings that affect the window after they changed.
    virtual void ApplySettings() = 0;
    virtual void Repaint() = 0;

    // One vesknote child of parent.
    void SaveToElement(XMLElement& parent) const { GetNoteData().SaveToElement(parent, false); }
};

}  // namespace vesk

#include "notewnd/NoteBoxLink.h"

#include "notewnd/CVeskNoteWnd.h"
#include "notewnd/NoteHost.h"

namespace vesk {

void NoteBoxLink::BoxMade(CQuickActionBox& box) {
    window_.scrolling_.SetScrollBar(&box.GetScrollBar());
    // Once its box holds the activation, the note hears of the next change
    // only through the box.
    box.installEventFilter(&window_);
}

void NoteBoxLink::OnQuickActionCommand(std::uint32_t command) { window_.SendCommand(command); }

void NoteBoxLink::OnQuickActionScroll(int action) { window_.scrolling_.Act(action); }

void NoteBoxLink::SetAlphaActive(bool active) { window_.SetAlphaActive(active); }

bool NoteBoxLink::IsNoteShown() const { return window_.IsShown(); }

const StyleData& NoteBoxLink::GetNoteStyle() const { return window_.GetNoteData().GetStyle(); }

const SettingsData& NoteBoxLink::GetNoteSettings() const { return window_.host_.GetSettings(); }

}  // namespace vesk

#pragma once

#include <cstdint>

#include "notewnd/CQuickActionBox.h"

namespace vesk {

class CVeskNoteWnd;

// The note's answers to its quick action box: the box's buttons give the
// note's commands, its scroll bar scrolls the note's content, and it is
// painted after the note's style.
class NoteBoxLink : public QuickActionOwner {
public:
    explicit NoteBoxLink(CVeskNoteWnd& window) : window_(window) {}

    // The box has been made: from now on its scroll bar is the note's.
    void BoxMade(CQuickActionBox& box);

    void OnQuickActionCommand(std::uint32_t command) override;
    void OnQuickActionScroll(int action) override;
    void SetAlphaActive(bool active) override;
    bool IsNoteShown() const override;
    const StyleData& GetNoteStyle() const override;
    const SettingsData& GetNoteSettings() const override;

private:
    CVeskNoteWnd& window_;
};

}  // namespace vesk

#pragma once

#include <QPoint>
#include <cstdint>
#include <vector>

namespace vesk {

// What a double-click on a note depends on.
struct DoubleClickState {
    bool editing = false;
    bool showQAButtons = true;
    bool titleShown = true;
    bool hasAlarm = false;
    bool shaded = false;
    int titleBarHeight = 0;
};

// The commands that a double-click at the point sends, in order: Done while
// editing; on the title bar a shade toggle when the quick action buttons
// are off; on the alarm clock Set Alarm; anywhere else Edit, unshading first.
std::vector<std::uint32_t> DoubleClickCommands(QPoint at, const DoubleClickState& state);

}  // namespace vesk

#pragma once

namespace vesk::platform {

// Under a Wayland compositor the program runs as an X client through XWayland
// when it can: a Wayland client may not place its own windows, so notes
// would lose their places, and the global hot keys are X key grabs. Applies
// only when both WAYLAND_DISPLAY and DISPLAY are set and the user has not
// chosen a platform in QT_QPA_PLATFORM (a -platform argument still wins).
// Must run before the QGuiApplication is made.
void PreferXWaylandOnWayland();

}  // namespace vesk::platform

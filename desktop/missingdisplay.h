#pragma once

// Whether the windowed programs can open a window. QApplication aborts the process when its
// platform plugin finds no display, so the programs ask this first and end with a sentence
// instead of a core dump.

#include <string>

namespace sequate::desktop {

// Why no window can be shown, such as "the X display :99 cannot be reached", from the
// environment that Qt's platform plugins read (QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY,
// XDG_RUNTIME_DIR); empty when the display they will use answers.
std::string missingDisplay();

} // namespace sequate::desktop

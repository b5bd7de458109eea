#pragma once

// Where the main window opens: where the user left it, unless the screens have changed since
// so that it could not be reached there.

#include <optional>
#include <vector>

namespace sequate::ui {

// In the screens' pixels, the primary screen's top left corner at 0, 0.
struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The remembered top left corner of the window's frame when the frame, of the size it has now,
// would have both ends of its top edge, where the caption is grabbed, on the screens' areas
// free for windows; else none: the place the system gives a new window.
std::optional<ScreenPoint> placeOnScreens(std::optional<ScreenPoint> remembered,
                                          const ScreenRect& frame,
                                          const std::vector<ScreenRect>& screenAreas);

} // namespace sequate::ui

#include "windowplace.h"

#include <algorithm>

namespace sequate::ui {

namespace {

bool onAScreen(int x, int y, const std::vector<ScreenRect>& screenAreas) {
    return std::any_of(screenAreas.begin(), screenAreas.end(), [&](const ScreenRect& area) {
        return x >= area.left && x < area.left + area.width && y >= area.top &&
               y < area.top + area.height;
    });
}

} // namespace

std::optional<ScreenPoint> placeOnScreens(std::optional<ScreenPoint> remembered,
                                          const ScreenRect& frame,
                                          const std::vector<ScreenRect>& screenAreas) {
    if (!remembered)
        return std::nullopt;
    const int right = remembered->x + std::max(frame.width, 1) - 1;
    if (onAScreen(remembered->x, remembered->y, screenAreas) &&
        onAScreen(right, remembered->y, screenAreas))
        return remembered;
    return std::nullopt;
}

} // namespace sequate::ui

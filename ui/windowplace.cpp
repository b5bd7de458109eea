#include "windowplace.h"

#include <algorithm>
#include <cstdint>

namespace sequate::ui {

namespace {

// Sums in 64 bits: a remembered place or a screen's far edge may lie near the end of int.
bool onAScreen(std::int64_t x, std::int64_t y, const std::vector<ScreenRect>& screenAreas) {
    return std::any_of(screenAreas.begin(), screenAreas.end(), [&](const ScreenRect& area) {
        return x >= area.left && x < std::int64_t{area.left} + area.width && y >= area.top &&
               y < std::int64_t{area.top} + area.height;
    });
}

} // namespace

std::optional<ScreenPoint> placeOnScreens(std::optional<ScreenPoint> remembered,
                                          const ScreenRect& frame,
                                          const std::vector<ScreenRect>& screenAreas) {
    if (!remembered)
        return std::nullopt;
    const std::int64_t right = std::int64_t{remembered->x} + std::max(frame.width, 1) - 1;
    if (onAScreen(remembered->x, remembered->y, screenAreas) &&
        onAScreen(right, remembered->y, screenAreas))
        return remembered;
    return std::nullopt;
}

} // namespace sequate::ui

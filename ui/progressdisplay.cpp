#include "progressdisplay.h"

#include <algorithm>
#include <limits>

namespace sequate::ui {

BarPosition barPosition(long long done, long long total) {
    if (total <= 0)
        return {};
    const int maximum =
        static_cast<int>(std::min<long long>(total, std::numeric_limits<int>::max()));
    return {maximum, static_cast<int>(std::clamp<long long>(done, 0, maximum))};
}

} // namespace sequate::ui

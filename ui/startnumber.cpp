#include "startnumber.h"

namespace sequate::ui {

// A start below 1 gives names such as R0, C-5 or a bare "-1", a fraction would be rounded
// without a word, and part-name numbers are 16-bit: only whole numbers 1..32767 are taken.
std::optional<std::int16_t> startNumberOf(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(" \t");
    long value = 0;
    for (std::size_t i = first; i <= last; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > INT16_MAX)
            return std::nullopt;
    }
    if (value < 1)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

} // namespace sequate::ui

#include "partnumber.h"

#include "partname.h"
#include "passstop.h"

namespace sequate::engine {

std::int16_t startNumber(const FormWindow& window) {
    const std::string text = window.startText();
    const auto number = toInt16(text);
    if (!number)
        throw PassStop("The start box holds \"" + text +
                       "\", which is not a whole number from -32768 to 32767.");
    return *number;
}

std::int16_t checkedPartNumber(std::int64_t value, const std::string& purpose) {
    if (!isPartNumber(value))
        throw PassStop(purpose + " would need the number " + std::to_string(value) +
                       ", but part-name numbers only go from -32768 to 32767.");
    return static_cast<std::int16_t>(value);
}

} // namespace sequate::engine

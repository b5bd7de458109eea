#include "partnumber.h"

#include "partname.h"
#include "passstop.h"

namespace sequate::engine {

std::int16_t checkedPartNumber(std::int64_t value, const std::string& purpose) {
    if (!isPartNumber(value))
        throw PassStop(purpose + " would need the number " + std::to_string(value) +
                       ", but part-name numbers only go from -32768 to 32767.");
    return static_cast<std::int16_t>(value);
}

} // namespace sequate::engine

#include "coordinatetext.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sequate::engine {

namespace {

constexpr int significantDigits = 15;

} // namespace

std::string coordinateText(double value) {
    // The C library rounds correctly to the wanted digits; only the layout is ours.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, value);
    const std::string text = buffer;
    const bool negative = text.front() == '-';
    const std::size_t first = negative ? 1 : 0;
    std::string digits = text.substr(first, 1) + text.substr(first + 2, significantDigits - 1);
    const int exponent = std::atoi(text.c_str() + text.find('e') + 1);

    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (digits == "0")
        return "0";

    std::string plain;
    if (exponent < 0) {
        plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole)
            plain = digits + std::string(whole - digits.size(), '0');
        else
            plain = digits.substr(0, whole) + "." + digits.substr(whole);
    }
    return negative ? "-" + plain : plain;
}

double numericKey(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return std::nearbyint(value);
}

} // namespace sequate::engine

#include "partname.h"

#include <cstddef>
#include <optional>
#include <stdexcept>

namespace sequate::engine {
namespace {

bool isCodeLetter(char c) {
    return c >= 'A' && c <= 'Z';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::size_t codeLength(const std::string& part) {
    std::size_t length = 0;
    while (length < part.size() && isCodeLetter(part[length]))
        ++length;
    return length;
}

// Rounds digits "whole.fraction" half to even; empty when the result cannot fit 16 bits.
std::optional<std::int32_t> roundDecimal(std::string_view whole, std::string_view fraction) {
    while (whole.size() > 1 && whole.front() == '0')
        whole.remove_prefix(1);
    if (whole.size() > 5)
        return std::nullopt;
    std::int32_t value = 0;
    for (char c : whole)
        value = value * 10 + (c - '0');
    if (!fraction.empty()) {
        const bool aboveHalf =
            fraction[0] > '5' ||
            (fraction[0] == '5' && fraction.find_first_not_of('0', 1) != std::string_view::npos);
        const bool exactlyHalf = fraction[0] == '5' && !aboveHalf;
        if (aboveHalf || (exactlyHalf && value % 2 == 1))
            ++value;
    }
    return value;
}

// Text read as a 16-bit whole number; empty when it is no number or does not fit.
std::optional<std::int16_t> toInt16(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    std::string_view number(text.data() + begin, end - begin);

    bool negative = false;
    if (!number.empty() && (number.front() == '-' || number.front() == '+')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    const std::size_t point = number.find('.');
    const std::string_view whole = number.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : number.substr(point + 1);
    const auto allDigits = [](std::string_view digits) {
        for (char c : digits)
            if (!isDigit(c))
                return false;
        return true;
    };
    if (whole.size() + fraction.size() == 0 || !allDigits(whole) || !allDigits(fraction))
        return std::nullopt;

    const auto magnitude = roundDecimal(whole.empty() ? "0" : whole, fraction);
    if (!magnitude)
        return std::nullopt;
    const std::int32_t value = negative ? -*magnitude : *magnitude;
    if (!isPartNumber(value))
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

} // namespace

std::string letterCode(const std::string& name) {
    return name.substr(0, codeLength(name));
}

bool hasNumberPart(const std::string& name) {
    return codeLength(name) < name.size();
}

std::int16_t partNumberOf(const std::string& name) {
    return toInt16(name.substr(codeLength(name))).value_or(0);
}

SplitName splitName(const std::string& name) {
    return {letterCode(name), partNumberOf(name), hasNumberPart(name), endsInLetter(name)};
}

std::variant<PartName, host::NameFault> PartName::make(const std::string& name) {
    if (const auto fault = host::powerLogicNameFault(name))
        return *fault;
    return PartName(name);
}

PartName PartName::numbered(const std::string& code, std::int16_t number) {
    auto made = make(code + std::to_string(number));
    if (auto* name = std::get_if<PartName>(&made))
        return std::move(*name);
    throw std::logic_error("\"" + code + "\" is no letter code");
}

std::optional<std::int16_t> gateNumber(const std::string& name) {
    const std::size_t digits = codeLength(name);
    std::size_t letters = digits;
    while (letters < name.size() && isDigit(name[letters]))
        ++letters;
    if (letters == name.size() || codeLength(name.substr(letters)) != name.size() - letters)
        return std::nullopt;
    return toInt16(name.substr(digits, letters - digits));
}

bool endsInLetter(const std::string& name) {
    return !name.empty() && isCodeLetter(name.back());
}

} // namespace sequate::engine

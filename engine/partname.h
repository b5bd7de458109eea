#pragma once

// Part names: a letter code (the longest run of 'A'..'Z' at the start) and a number part (the
// rest). Part-name numbers are 16-bit, as the names in existing designs are.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sequate::engine {

// The range of every number a part name carries or is given.
constexpr std::int32_t lowestPartNumber = -32768;
constexpr std::int32_t highestPartNumber = 32767;
constexpr bool isPartNumber(std::int64_t value) {
    return value >= lowestPartNumber && value <= highestPartNumber;
}

// Old program: GetCode.
std::string letterCode(const std::string& name);
// True when something follows the letter code. The old program's changeToNumber answered "0"
// and raised a flag when nothing did.
bool hasNumberPart(const std::string& name);
// The number part as a 16-bit number; 0 when it is none or does not fit. Old program: chInt.
std::int16_t partNumberOf(const std::string& name);
// A part name read once, with what a pass asks of it at every step.
struct PartName {
    std::string code;        // letterCode
    std::int16_t number = 0; // partNumberOf
    bool hasNumber = false;  // hasNumberPart
    bool endsInLetter = false;
};
PartName parsePartName(const std::string& name);

// True when the name ends in an upper-case letter A..Z. Old program: OnkoPelkkiaKirjaimia,
// "is it only letters", though it tests the last character only.
bool endsInLetter(const std::string& name);

// Text read as a 16-bit whole number: blanks around it allowed, a fraction rounded half to
// even. Empty when the text is no number or the value does not fit in -32768..32767.
std::optional<std::int16_t> toInt16(const std::string& text);

} // namespace sequate::engine

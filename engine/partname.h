#pragma once

// Part names: a letter code (the longest run of 'A'..'Z' at the start) and a number part (the
// rest). Part-name numbers are 16-bit, as the names in existing designs are.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sequate::engine {

std::string GetCode(const std::string& part);
// The number part, or "0" when there is none; then sets numberMissing (never clears it).
std::string changeToNumber(const std::string& name, bool& numberMissing);
// The letter code of partName followed by number in decimal.
std::string renPrt(const std::string& partName, std::int32_t number, bool& numberMissing);
// The number part as a 16-bit number; 0 when it is none or does not fit.
std::int16_t chInt(const std::string& component, bool& numberMissing);
// True when the name ends in an upper-case letter A..Z.
bool OnkoPelkkiaKirjaimia(const std::string& name);

// Text read as a 16-bit whole number: blanks around it allowed, a fraction rounded half to
// even. Empty when the text is no number or the value does not fit in -32768..32767.
std::optional<std::int16_t> toInt16(const std::string& text);

} // namespace sequate::engine

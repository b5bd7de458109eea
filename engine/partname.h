#pragma once

// Part names: a letter code (the longest run of 'A'..'Z' at the start) and a number part (the
// rest). Part-name numbers are 16-bit, as the names in existing designs are.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sequate::engine {

// Old program: GetCode.
std::string letterCode(const std::string& part);
// The number part, or "0" when there is none; then sets numberMissing (never clears it).
// Old program: changeToNumber.
std::string numberPart(const std::string& name, bool& numberMissing);
// The letter code of partName followed by number in decimal. Old program: renPrt.
std::string withNumber(const std::string& partName, std::int32_t number, bool& numberMissing);
// The number part as a 16-bit number; 0 when it is none or does not fit. Old program: chInt.
std::int16_t partNumberOf(const std::string& component, bool& numberMissing);
// The same, for callers that do not ask whether the number part was missing.
std::int16_t partNumberOf(const std::string& component);
// True when the name ends in an upper-case letter A..Z. Old program: OnkoPelkkiaKirjaimia,
// "is it only letters", though it tests the last character only.
bool endsInLetter(const std::string& name);

// Text read as a 16-bit whole number: blanks around it allowed, a fraction rounded half to
// even. Empty when the text is no number or the value does not fit in -32768..32767.
std::optional<std::int16_t> toInt16(const std::string& text);

} // namespace sequate::engine

#pragma once

// Part names: a letter code (the longest run of 'A'..'Z' at the start) and a number part (the
// rest). Part-name numbers are 16-bit, as the names in existing designs are.

#include "host/partnamerules.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

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
// The number part as a 16-bit whole number: blanks around it allowed, a sign, a fraction
// rounded half to even; 0 when it is no number or does not fit. Old program: chInt.
std::int16_t partNumberOf(const std::string& name);
// Any name as the schematic holds it, split once, with what a pass asks of it at every step.
struct SplitName {
    std::string code;        // letterCode
    std::int16_t number = 0; // partNumberOf
    bool hasNumber = false;  // hasNumberPart
    bool endsInLetter = false;
};
SplitName splitName(const std::string& name);
// The number a gate's name carries: its letter code, digits (leading zeros allowed) and letters
// to the end, as U1C carries 1 of U. Another component given that number would sit beside the
// gate as a separate part. Empty for any other name.
std::optional<std::int16_t> gateNumber(const std::string& name);

// A name PowerLogic's SetName takes (host/partnamerules.h), made only through make() or
// numbered(): a name a pass gives cannot be one PowerLogic would refuse halfway through it.
class PartName {
public:
    // The name, or the rule of PowerLogic's it breaks.
    static std::variant<PartName, host::NameFault> make(const std::string& name);
    // The letter code (letterCode of a name) followed by the number, as the numbering writes
    // names; such a name always passes.
    static PartName numbered(const std::string& code, std::int16_t number);

    const std::string& text() const { return mText; }
    const SplitName& split() const { return mSplit; }
    const std::string& code() const { return mSplit.code; }
    std::int16_t number() const { return mSplit.number; }

    bool operator==(const PartName& other) const { return mText == other.mText; }

private:
    explicit PartName(const std::string& text) : mText(text), mSplit(splitName(text)) {}

    std::string mText;
    SplitName mSplit;
};

// True when the name ends in an upper-case letter A..Z. Old program: OnkoPelkkiaKirjaimia,
// "is it only letters", though it tests the last character only.
bool endsInLetter(const std::string& name);

} // namespace sequate::engine

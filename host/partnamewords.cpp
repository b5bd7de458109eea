#include "partnamewords.h"

#include <cstdio>

namespace sequate::host {

namespace {

std::string codePointText(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

// The characters of these rules are all ASCII, so the reason can show the character itself.
std::string forbidden(char32_t c, const char* whoRefuses) {
    return std::string("contains \"") + static_cast<char>(c) + "\", which " + whoRefuses +
           " in a part name";
}

} // namespace

std::string nameFaultReason(const NameFault& fault) {
    switch (fault.rule) {
    case NameRule::Empty:
        return "is empty";
    case NameRule::NotUtf8:
        return "is not valid UTF-8";
    case NameRule::KeywordStart:
        return "begins with \"*\", which PowerPCB would read as a section keyword";
    case NameRule::Blank:
        return "contains a blank";
    case NameRule::Control:
        return "contains a control character (" + codePointText(fault.character) + ")";
    case NameRule::BeyondLatin1:
        return "contains the character " + codePointText(fault.character) +
               ", which the ECO file's encoding, ISO 8859-1, cannot carry";
    case NameRule::LayoutCharacter:
        return forbidden(fault.character, "the layout does not allow");
    case NameRule::NetlistCharacter:
        return forbidden(fault.character, "PowerPCB's netlists do not allow");
    case NameRule::TooLong:
        return "is " + std::to_string(fault.length) +
               " characters long; the layout takes at most " + std::to_string(layoutNameMaxLength);
    case NameRule::BlankOrControl:
        return "contains a blank or control character";
    }
    return {};
}

std::string layoutNameProblem(const std::string& name) {
    const auto fault = layoutNameFault(name);
    if (!fault)
        return {};
    return "\"" + name + "\" " + nameFaultReason(*fault);
}

std::string powerLogicNameProblem(const std::string& name) {
    const auto fault = powerLogicNameFault(name);
    if (!fault)
        return {};
    // PowerLogic's refusal of an empty name says what it refuses, as a name cannot.
    if (fault->rule == NameRule::Empty)
        return "the new name is empty";
    return "\"" + name + "\" " + nameFaultReason(*fault);
}

} // namespace sequate::host

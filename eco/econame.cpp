#include "econame.h"

#include "ecoerror.h"
#include "host/partnamewords.h"
#include "host/utf8.h"

namespace sequate::eco {

namespace {

[[noreturn]] void refuse(const std::string& name, NameSide side, std::size_t renameNumber,
                         host::NameFault rule) {
    using Side = host::EcoNameRefused::Side;
    throw EcoError({host::EcoNameRefused{name, side == NameSide::Old ? Side::Old : Side::New,
                                         renameNumber, std::move(rule)}});
}

} // namespace

std::string ecoName(const std::string& utf8, NameSide side, std::size_t renameNumber) {
    if (const auto fault = host::layoutNameFault(utf8))
        refuse(utf8, side, renameNumber, *fault);
    // The rules leave only well-formed UTF-8 of characters up to U+00FF.
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto c = host::decodeUtf8(utf8, pos);
        latin1 += static_cast<char>(c->value);
        pos += c->length;
    }
    return latin1;
}

} // namespace sequate::eco

#include "ecofilename.h"

#include "ecoerror.h"

#include <cstddef>
#include <string_view>

namespace sequate::eco {

namespace {

// Both Linux and Windows take a file name of at most 255 bytes.
constexpr std::size_t longestFileName = 255;

// The characters Windows keeps out of file names; a schematic's name may hold them all the same.
std::string fileNameSafe(std::string name) {
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || std::string_view("<>:\"|?*").find(c) != std::string_view::npos)
            c = '_';
    }
    return name;
}

// Cut so that the name with its extension fits, never inside a UTF-8 character.
std::string boundedStem(std::string stem, std::size_t extension) {
    if (stem.size() + extension <= longestFileName)
        return stem;
    std::size_t end = longestFileName - extension;
    while (end > 0 && (static_cast<unsigned char>(stem[end]) & 0xC0) == 0x80)
        --end;
    return stem.substr(0, end);
}

} // namespace

std::string fileStemWithDot(const std::string& name) {
    const auto dot = name.find('.');
    if (dot == std::string::npos)
        return name + ".";
    return name.substr(0, dot + 1);
}

std::string ecoFileNameFor(const std::string& schematicName) {
    const auto separator = schematicName.find_last_of("/\\");
    std::string name =
        separator == std::string::npos ? schematicName : schematicName.substr(separator + 1);
    if (name.empty())
        name = "untitled.sch";
    const std::string stem = fileStemWithDot(fileNameSafe(name));
    const std::string extension = "eco";
    // The full stop stays: a name cut short still reads as an ECO file.
    return boundedStem(stem.substr(0, stem.size() - 1), extension.size() + 1) + "." + extension;
}

} // namespace sequate::eco

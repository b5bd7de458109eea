#include "ecofilename.h"

#include "ecoerror.h"

namespace sequate::eco {

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
    return fileStemWithDot(name) + "eco";
}

} // namespace sequate::eco

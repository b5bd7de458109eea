#include "ecotext.h"

#include "ecoerror.h"
#include "econame.h"
#include "sectionrule.h"

namespace sequate::eco {

namespace {

constexpr const char* lineEnd = "\r\n";

std::vector<std::string> fileNames(const std::vector<std::string>& names, NameSide side) {
    std::vector<std::string> converted;
    converted.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        converted.push_back(ecoName(names[i], side, i + 1));
    return converted;
}

void requirePairs(const std::vector<std::string>& oldNames,
                  const std::vector<std::string>& newNames) {
    if (oldNames.size() != newNames.size())
        throw EcoError({host::EcoRowsUneven{oldNames.size(), newNames.size()}});
}

void ecoEnd(std::string& file) {
    file += "*END*\r\n";
}

// The four header lines that open a section. Old program: ecoAloitus.
void ecoSectionStart(std::string& file) {
    file += "*PADS-ECO-V3.0-MILS*\r\n";
    file += lineEnd;
    file += "*RENPART*\r\n";
    file += "*REMARK*  AUTOSEQUATE\r\n";
}

void ecoSectionChange(std::string& file) {
    ecoEnd(file);
    file += lineEnd;
    ecoSectionStart(file);
}

} // namespace

std::string ecoText(const std::vector<std::string>& oldNames,
                    const std::vector<std::string>& newNames) {
    requirePairs(oldNames, newNames);
    const auto oldInFile = fileNames(oldNames, NameSide::Old);
    const auto newInFile = fileNames(newNames, NameSide::New);
    const auto changes = sectionChanges(oldInFile, newInFile);

    std::string file;
    ecoSectionStart(file);
    for (std::size_t row = 0; row < oldInFile.size(); ++row) {
        for (int k = 0; k < changes[row]; ++k)
            ecoSectionChange(file);
        file += oldInFile[row];
        file += ' ';
        file += newInFile[row];
        file += lineEnd;
    }
    ecoEnd(file);
    return file;
}

} // namespace sequate::eco

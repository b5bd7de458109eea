#include "atomicfile.h"
#include "eco/ecooutput.h"

namespace sequate::eco {

void WriteEco(const std::string& path, const std::vector<std::string>& oldNames,
              const std::vector<std::string>& newNames) {
    writeFileAtomically(path, ecoText(oldNames, newNames));
}

} // namespace sequate::eco

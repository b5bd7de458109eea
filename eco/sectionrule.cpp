#include "sectionrule.h"

#include "ecomemory.h"

namespace sequate::eco {

std::vector<int> sectionChanges(const std::vector<std::string>& oldNames,
                                const std::vector<std::string>& newNames) {
    EcoMemory oldSeen;
    EcoMemory newSeen;
    std::vector<int> changes(oldNames.size(), 0);
    for (std::size_t m = 0; m < oldNames.size(); ++m) {
        const std::string& oldName = oldNames[m];
        const std::string& newName = newNames[m];
        changes[m] = int(newSeen.remembers(newName)) + int(oldSeen.remembers(oldName)) +
                     int(newSeen.remembers(oldName));
        oldSeen.remember(oldName);
        newSeen.remember(newName);
    }
    return changes;
}

} // namespace sequate::eco

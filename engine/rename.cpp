#include "rename.h"

#include "passports.h"

namespace sequate::engine {

std::vector<std::string> namesAfter(std::vector<std::string> names,
                                    const std::vector<Rename>& renames) {
    for (const Rename& rename : renames)
        names[rename.component.value()] = rename.after;
    return names;
}

std::vector<Rename> changedNames(const std::vector<std::string>& before,
                                 const std::vector<std::string>& after) {
    std::vector<Rename> changed;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i])
            changed.push_back({ComponentIndex(i), before[i], after[i]});
    return changed;
}

std::vector<std::string> EcoRows::oldNames() const {
    std::vector<std::string> names;
    for (const Rename& rename : renames)
        names.push_back(rename.before);
    return names;
}

std::vector<std::string> EcoRows::newNames() const {
    std::vector<std::string> names;
    for (const Rename& rename : renames)
        names.push_back(rename.after);
    return names;
}

} // namespace sequate::engine

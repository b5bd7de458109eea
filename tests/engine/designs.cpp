#include "designs.h"

#include <algorithm>
#include <set>

namespace sequate::engine::testing {

std::uint64_t hostCallFloor(const std::vector<std::string>& before,
                            const std::vector<std::string>& after, std::uint64_t selected,
                            bool byPosition, bool everyPosition) {
    std::uint64_t changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i)
        changed += before[i] != after[i] ? 1 : 0;
    constexpr std::uint64_t perPass = 10;
    return 2 * before.size() + 2 * changed + (byPosition ? 6 : 2) * selected +
           (everyPosition ? 4 * before.size() : 0) + perPass;
}

host::sim::DocumentData DesignGenerator::design(const DesignShape& shape) {
    host::sim::DocumentData doc{"board.sch", {}};
    std::set<std::string> used;
    while (static_cast<int>(doc.components.size()) < shape.components) {
        const bool twin = shape.twins && !doc.components.empty() && chance(0.05);
        std::string name =
            twin ? doc.components[static_cast<std::size_t>(
                                      between(0, static_cast<int>(doc.components.size()) - 1))]
                       .name
                 : partName(shape.highestNumber > 0 ? shape.highestNumber
                                                    : 2 * shape.components + 10,
                            shape.highestNumber > 0);
        if (!twin && !used.insert(name).second)
            continue;
        const bool selected = shape.selectedShare > 0 && chance(shape.selectedShare);
        doc.components.push_back({name, selected, {{coordinate(), coordinate()}}});
        if (shape.unplaced && chance(0.05))
            doc.components.back().placements.clear();
    }
    if (shape.selectedShare < 0 && !doc.components.empty())
        doc.components[static_cast<std::size_t>(
                           between(0, static_cast<int>(doc.components.size()) - 1))]
            .selected = true;
    return doc;
}

std::string DesignGenerator::partName(int numbers, bool fewCodes) {
    static const char* codes[] = {"R", "R", "R", "R", "C",  "C",  "C",  "C",   "U", "U",
                                  "D", "Q", "L", "J", "IC", "TP", "FB", "LED", "",  "r"};
    static const char* few[] = {"", "r", "RN"};
    const std::string code = fewCodes ? few[between(0, 2)] : codes[between(0, 19)];
    const int number = between(0, std::min(numbers, 24000));
    switch (between(0, 19)) {
    case 0:
        return code + std::to_string(number) + "A"; // a gate
    case 1:
        return code + "0" + std::to_string(number); // leading zero
    case 2:
        return code.empty() ? "TP" : code; // no number at all
    default:
        return code + std::to_string(number);
    }
}

double DesignGenerator::coordinate() {
    static const double fractions[] = {0, 0, 0, 0.5, 0.25, 0.4};
    return between(-40, 40) * 50.0 + fractions[between(0, 5)];
}

} // namespace sequate::engine::testing

#include "samplegenerator.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <random>
#include <string>

namespace sequate::tools {

namespace {

using host::sim::ComponentData;
using host::sim::DocumentData;
using host::sim::LayoutData;
using host::sim::PlacementData;
using host::sim::SimState;

constexpr int componentCount = 320;
// One part selected: a pass over all components then numbers the whole design, and a pass
// over the selection renames that one part; more can be selected in the simulator's window.
constexpr int selectedCount = 1;
constexpr int grid = 50;      // mils
constexpr int sheetX = 12000; // mils
constexpr int sheetY = 8000;  // mils
constexpr int gatePitch = 600;

struct LetterCode {
    const char* code;
    int weight; // how common the part is on a board like this one
};

constexpr std::array<LetterCode, 12> letterCodes{{{"R", 30},
                                                  {"C", 28},
                                                  {"U", 9},
                                                  {"Q", 5},
                                                  {"D", 6},
                                                  {"J", 3},
                                                  {"L", 3},
                                                  {"FB", 3},
                                                  {"TP", 5},
                                                  {"LED", 3},
                                                  {"SW", 2},
                                                  {"Y", 1}}};

// Only std::mt19937 itself is the same everywhere; the standard distributions are not, so the
// draws are made by hand to keep the sample identical across standard libraries.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : mEngine(seed) {}

    int below(int bound) { return static_cast<int>(mEngine() % static_cast<std::uint32_t>(bound)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::mt19937 mEngine;
};

const char* drawCode(Dice& dice) {
    int total = 0;
    for (const auto& code : letterCodes)
        total += code.weight;
    int pick = dice.below(total);
    for (const auto& code : letterCodes) {
        if (pick < code.weight)
            return code.code;
        pick -= code.weight;
    }
    return letterCodes.front().code;
}

// Designers annotate in creation order but leave holes where parts were deleted; a few parts
// carry a gate letter (U7A) and a few imported ones have no letter code at all.
class Namer {
public:
    std::string next(Dice& dice, const std::string& code) {
        if (dice.chance(2))
            return std::to_string(900 + ++mBare);
        int& last = mLast[code];
        last += dice.chance(5) ? 2 + dice.below(3) : 1;
        std::string name = code + std::to_string(last);
        if ((code == "U" || code == "SW") && dice.chance(15))
            name += static_cast<char>('A' + dice.below(3));
        return name;
    }

private:
    std::map<std::string, int> mLast;
    int mBare = 0;
};

int onGrid(Dice& dice, int extent) {
    return dice.below(extent / grid + 1) * grid;
}

int gateCount(Dice& dice, const std::string& name) {
    return name.rfind("U", 0) == 0 && dice.chance(70) ? 2 + dice.below(3) : 1;
}

// Many parts line up in columns, as on a real sheet, so equal x values are common. The gates
// of one part sit side by side.
std::vector<PlacementData> place(Dice& dice, const std::string& name) {
    const int column = dice.chance(60) ? 500 * (1 + dice.below(22)) : onGrid(dice, sheetX);
    const int y = onGrid(dice, sheetY);
    const int gates = gateCount(dice, name);
    const int x = std::min(column, sheetX - (gates - 1) * gatePitch);
    std::vector<PlacementData> placements;
    for (int gate = 0; gate < gates; ++gate)
        placements.push_back({double(x + gate * gatePitch), double(y)});
    return placements;
}

} // namespace

SimState makeSampleState() {
    Dice dice(1402);
    Namer namer;
    DocumentData document{"amplifier.sch", {}};
    for (int i = 0; i < componentCount; ++i) {
        ComponentData component;
        component.name = namer.next(dice, drawCode(dice));
        component.placements = place(dice, component.name);
        document.components.push_back(component);
    }
    for (int chosen = 0; chosen < selectedCount;) {
        auto& component = document.components[dice.below(componentCount)];
        if (!component.selected) {
            component.selected = true;
            ++chosen;
        }
    }
    LayoutData layout{"amplifier.pcb", {}};
    for (const auto& component : document.components)
        layout.parts.push_back(component.name);
    return {{document}, layout};
}

} // namespace sequate::tools

#include "samplegenerator.h"

#include <algorithm>
#include <array>
#include <cmath>
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

constexpr int sampleComponents = 320;
constexpr int grid = 50;      // mils
constexpr int sheetX = 12000; // mils, for the sample's size
constexpr int sheetY = 8000;  // mils
constexpr int columnPitch = 500;
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

// A bigger design needs a bigger sheet, at about the sample's density.
struct Sheet {
    int width;
    int height;

    explicit Sheet(int components) {
        const double growth =
            std::sqrt(std::max(1.0, double(components) / double(sampleComponents)));
        width = int(std::lround(sheetX * growth / columnPitch)) * columnPitch;
        height = int(std::lround(sheetY * growth / columnPitch)) * columnPitch;
    }
};

int gateCount(Dice& dice, const std::string& name) {
    return name.rfind("U", 0) == 0 && dice.chance(70) ? 2 + dice.below(3) : 1;
}

// Many parts line up in columns, as on a real sheet, so equal x values are common. The gates
// of one part sit side by side.
std::vector<PlacementData> place(Dice& dice, const Sheet& sheet, const std::string& name) {
    const int columns = sheet.width / columnPitch - 2;
    const int column =
        dice.chance(60) ? columnPitch * (1 + dice.below(columns)) : onGrid(dice, sheet.width);
    const int y = onGrid(dice, sheet.height);
    const int gates = gateCount(dice, name);
    const int x = std::min(column, sheet.width - (gates - 1) * gatePitch);
    std::vector<PlacementData> placements;
    for (int gate = 0; gate < gates; ++gate)
        placements.push_back({double(x + gate * gatePitch), double(y)});
    return placements;
}

int selectedCount(const SampleOptions& options) {
    if (!options.selectedFraction)
        return std::min(1, options.components);
    const double fraction = std::clamp(*options.selectedFraction, 0.0, 1.0);
    return int(std::lround(fraction * options.components));
}

// Drawn one by one, so that the sample's draws stay as they were; when most parts are to be
// selected, the few left out are drawn instead.
void select(Dice& dice, std::vector<ComponentData>& components, int count) {
    const int total = int(components.size());
    const bool drawLeftOut = count > total / 2;
    if (drawLeftOut) {
        for (auto& component : components)
            component.selected = true;
    }
    for (int drawn = 0, wanted = drawLeftOut ? total - count : count; drawn < wanted;) {
        auto& component = components[dice.below(total)];
        if (component.selected == drawLeftOut) {
            component.selected = !drawLeftOut;
            ++drawn;
        }
    }
}

void shuffle(Dice& dice, std::vector<ComponentData>& components) {
    for (std::size_t i = components.size(); i > 1; --i)
        std::swap(components[i - 1], components[dice.below(int(i))]);
}

} // namespace

SimState makeSampleState(const SampleOptions& options) {
    Dice dice(options.seed);
    Namer namer;
    const Sheet sheet(options.components);
    DocumentData document{"amplifier.sch", {}};
    for (int i = 0; i < options.components; ++i) {
        ComponentData component;
        component.name = namer.next(dice, drawCode(dice));
        component.placements = place(dice, sheet, component.name);
        document.components.push_back(component);
    }
    select(dice, document.components, selectedCount(options));
    // PowerPCB lists the parts in the order they came over from the schematic.
    LayoutData layout{"amplifier.pcb", {}};
    for (const auto& component : document.components)
        layout.parts.push_back(component.name);
    if (options.shuffled)
        shuffle(dice, document.components);
    return {{document}, layout};
}

} // namespace sequate::tools

#pragma once

// Generated schematics as designers leave them before renumbering: letter codes weighted as on
// real boards, numbers scattered with gaps, gate names ending in a letter, now and then a name
// written with leading zeros, a bare number or a twin, and a selection of any share.

#include "host/sim/simstate.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace sequate::engine::testing {

struct DesignShape {
    int components = 100;
    double selectedShare = 0; // 0 none; a share of 1 or less; exactly one when negative
    bool twins = false;       // some names carried twice
    // Of the names' numbers; 0: twice the components and more. A shape with few numbers has few
    // letter codes too, so that long runs of one code share them.
    int highestNumber = 0;
    bool unplaced = false; // now and then a component with no placement
};

// The fewest host calls a pass can make: two reads per component (its entry in the list and
// its name), two calls per rename that changes a name (the rename and reading it back), per
// selected component its entry in the selection and, when it is ordered by position, its
// placement and both coordinates; with everyPosition, the placement and both coordinates of every
// component; and a handful per pass.
std::uint64_t hostCallFloor(const std::vector<std::string>& before,
                            const std::vector<std::string>& after, std::uint64_t selected,
                            bool byPosition, bool everyPosition = false);

class DesignGenerator {
public:
    explicit DesignGenerator(std::uint32_t seed) : mRandom(seed) {}

    // Uniform in [low, high], the same on every standard library.
    int between(int low, int high) {
        return low + static_cast<int>(mRandom() % static_cast<std::uint32_t>(high - low + 1));
    }
    bool chance(double p) { return mRandom() < p * 4294967296.0; }

    host::sim::DocumentData design(const DesignShape& shape);

private:
    std::string partName(int numbers, bool fewCodes);
    double coordinate();

    std::mt19937 mRandom;
};

} // namespace sequate::engine::testing

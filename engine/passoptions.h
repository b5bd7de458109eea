#pragma once

// What a pass is asked to do, read from the window once when Run is pressed.

#include <cstdint>

namespace sequate::engine {

enum class PassScope { AllComponents, SelectedComponents };

// What a selected component does when the name it should get is already taken.
enum class TakenNamePolicy {
    None,             // neither option chosen: the selected components keep their names
    AssignNextFree,   // "Assign next free names"
    RenameDuplicates, // "Rename duplicates": the holder moves to a free name
};

struct PassOptions {
    PassScope scope = PassScope::AllComponents;
    TakenNamePolicy policy = TakenNamePolicy::None;
    std::int16_t start = 1;
};

} // namespace sequate::engine

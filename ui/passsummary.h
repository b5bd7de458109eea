#pragma once

// What a pass does, or did, to each component, worked out from the names it read and its plan:
// the preview before a pass and the report after one show it alike.

#include "engine/passplan.h"
#include "namerows.h"

#include <cstddef>
#include <string>
#include <vector>

namespace sequate::ui {

struct CodeCount {
    std::string code;
    std::size_t renamed = 0;
    std::size_t kept = 0;

    bool operator==(const CodeCount&) const = default;
};

struct PassSummary {
    std::vector<NameRow> renamed;   // each component's net change, in document order
    std::vector<NameRow> kept;      // in document order
    std::vector<CodeCount> perCode; // in the order of the letter codes
    // Of the renamed: those that go by way of a temporary name. A component moved out of the
    // way and back to its own name is among the kept.
    std::size_t throughTemporary = 0;
};

PassSummary summarize(const std::vector<std::string>& names, const engine::PassPlan& plan);

} // namespace sequate::ui

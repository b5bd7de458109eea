#include "simhosts.h"

#include <algorithm>
#include <string>

namespace sequate::hostsim {

using host::sim::DocumentData;
using host::sim::LayoutData;
using host::sim::SimState;

std::optional<LayoutData> startingLayout(const SimState& state) {
    if (state.layout)
        return state.layout;
    if (state.documents.empty())
        return std::nullopt;
    const DocumentData& open = state.documents.front();
    const std::string stem = open.name.substr(0, open.name.find('.'));
    LayoutData layout{(stem.empty() ? std::string("untitled") : stem) + ".pcb", {}};
    for (const auto& component : open.components)
        layout.parts.push_back(component.name);
    return layout;
}

SimHosts::SimHosts(const SimState& state) : mLogic(state.documents), mPcb(startingLayout(state)) {}

SimState SimHosts::currentState() const {
    SimState state{mLogic.documents(), mPcb.layout()};
    if (const auto open = mLogic.openIndex(); open && *open > 0) {
        const auto first = state.documents.begin();
        std::rotate(first, first + static_cast<std::ptrdiff_t>(*open),
                    first + static_cast<std::ptrdiff_t>(*open) + 1);
    }
    return state;
}

} // namespace sequate::hostsim

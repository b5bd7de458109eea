#include "simhosts.h"

#include <algorithm>
#include <string>

namespace sequate::hostsim {

using host::sim::SimState;

SimHosts::SimHosts(const SimState& state)
    : mLogic(state.documents), mPcb(host::sim::startingLayout(state)) {}

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

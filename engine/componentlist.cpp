#include "componentlist.h"

#include "required.h"

namespace sequate::engine {

ComponentList readComponentList(host::LogicObjects& list, std::int32_t count,
                                PhaseProgress* phase) {
    ComponentList read;
    read.names.reserve(static_cast<std::size_t>(count));
    read.components.reserve(static_cast<std::size_t>(count));
    for (std::int32_t position = 1; position <= count; ++position) {
        // Named by its neighbour, which the user can find in the schematic, not by a place in
        // a list the user never sees.
        auto component = required(
            list.Item(position), read.names.empty()
                                     ? std::string("the first component of its list")
                                     : "the component after " + read.names.back() + " in its list");
        read.names.push_back(component->Name());
        read.components.push_back(std::move(component));
        if (phase)
            phase->step();
    }
    return read;
}

} // namespace sequate::engine

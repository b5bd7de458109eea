#pragma once

// Every object of one of PowerLogic's lists, read in list order: its name and the object to
// rename it by. PowerLogic counts a list's items from 1; the names read are indexed from 0, as
// ComponentIndex counts.

#include "host/powerlogic.h"
#include "progress.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sequate::engine {

struct ComponentList {
    std::vector<std::string> names;
    std::vector<std::shared_ptr<host::LogicComponent>> components;
};

// The first `count` items of the list; each read is a step of the phase, when
// there is one.
ComponentList readComponentList(host::LogicObjects& list, std::int32_t count,
                                PhaseProgress* phase = nullptr);

} // namespace sequate::engine

#pragma once

// The rule by which a working list is chosen: the selected objects when two or more are
// selected, otherwise every component of the document. Start-up asks the component set for
// its query, everyone else for its objects; both give all components.

#include "host/powerlogic.h"

#include <cstdint>
#include <memory>

namespace sequate::engine {

enum class AllComponents { Objects, Query };

struct WorkList {
    std::shared_ptr<host::LogicObjects> list;
    bool selection = false;    // the list is the multi-selection, not all components
    std::int32_t selected = 0; // how many objects are selected
};

WorkList chooseWorkList(host::LogicDocument& doc, AllComponents how = AllComponents::Objects);
std::shared_ptr<host::LogicObjects> allComponents(host::LogicDocument& doc,
                                                  AllComponents how = AllComponents::Objects);

} // namespace sequate::engine

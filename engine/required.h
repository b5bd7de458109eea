#pragma once

// Every object the host hands back is checked where it is used: a host that answers "no
// object" where it must give one stops the work with a message naming the call, never a crash.

#include "passstop.h"

#include <memory>
#include <string>

namespace sequate::engine {

template <typename Object>
std::shared_ptr<Object> required(std::shared_ptr<Object> object, const std::string& call) {
    if (!object)
        throw PassStop("PowerLogic answered " + call + " with no object.");
    return object;
}

} // namespace sequate::engine

#pragma once

// Every object the host hands back is checked where it is used: a host that answers "no
// object" where it must give one stops the work with a message naming what was asked for,
// never a crash.

#include "passstop.h"

#include <memory>
#include <string>

namespace sequate::engine {

template <typename Object>
std::shared_ptr<Object> required(std::shared_ptr<Object> object, const std::string& askedFor) {
    if (!object)
        throw PassStop("PowerLogic gave nothing for " + askedFor + ".");
    return object;
}

} // namespace sequate::engine

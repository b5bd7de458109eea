#pragma once

// Any automation object the simulator program hands out over the bus.

#include "host/powerlogic.h"
#include "host/powerpcb.h"

#include <QString>
#include <memory>
#include <variant>

namespace sequate::hostsim {

using AutomationObject =
    std::variant<std::shared_ptr<host::LogicApplication>, std::shared_ptr<host::LogicDocument>,
                 std::shared_ptr<host::LogicComponentSet>, std::shared_ptr<host::LogicSelection>,
                 std::shared_ptr<host::LogicObjects>, std::shared_ptr<host::LogicComponent>,
                 std::shared_ptr<host::LogicPlacements>, std::shared_ptr<host::LogicPlacement>,
                 std::shared_ptr<host::PcbApplication>, std::shared_ptr<host::PcbDocument>>;

// The interface name without prefix, such as "LogicObjects".
QString kindOf(const AutomationObject& object);

} // namespace sequate::hostsim

#pragma once

// Turns the simulated PowerLogic's OpenDocument notification into the application's signal on
// the bus.

#include "automationserver.h"
#include "host/powerlogic.h"

namespace sequate::hostsim {

class NotificationRelay : public host::LogicApplicationEvents {
public:
    explicit NotificationRelay(AutomationServer& server) : mServer(server) {}

    void OpenDocument(std::shared_ptr<host::LogicDocument> doc) override;

private:
    AutomationServer& mServer;
};

} // namespace sequate::hostsim

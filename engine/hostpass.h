#pragma once

// PowerLogic's pass around Sequate's work: the user's edits wait while it is open. A pass is
// always closed again: when BeginPass may have taken effect (a timeout included), EndPass is
// called, and tried twice; a pass an earlier run left open is closed before a new one begins.

#include "host/powerlogic.h"
#include "passports.h"

#include <string>

namespace sequate::engine {

class HostPass {
public:
    HostPass(host::LogicApplication& application, UserDialogs& dialogs)
        : mApplication(application), mDialogs(dialogs) {}
    ~HostPass() { end(); }
    HostPass(const HostPass&) = delete;
    HostPass& operator=(const HostPass&) = delete;

    // Throws HostFailure when PowerLogic will not begin a pass.
    void begin();
    // Says so in a message box when PowerLogic cannot end it.
    void end();
    // The same, but returns what it would say (empty when the pass ended), for a message that
    // tells it together with what went before.
    std::string endQuietly();

private:
    host::LogicApplication& mApplication;
    UserDialogs& mDialogs;
    bool mOpen = false;
};

} // namespace sequate::engine

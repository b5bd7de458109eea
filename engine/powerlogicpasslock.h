#pragma once

// PowerLogic's pass around Sequate's work: the user's edits wait while it is open. A pass is
// always closed again: when BeginPass may have taken effect (a timeout included), EndPass is
// called, and tried twice; a pass an earlier run left open is closed before a new one begins.
// No box waits for the user while the pass is open: what begin() has to say is told once the
// pass has ended.

#include "host/powerlogic.h"
#include "passports.h"

#include <string>

namespace sequate::engine {

class PowerLogicPassLock {
public:
    PowerLogicPassLock(host::LogicApplication& application, UserDialogs& dialogs)
        : mApplication(application), mDialogs(dialogs) {}
    ~PowerLogicPassLock() { end(); }
    PowerLogicPassLock(const PowerLogicPassLock&) = delete;
    PowerLogicPassLock& operator=(const PowerLogicPassLock&) = delete;

    // Throws HostFailure when PowerLogic will not begin a pass.
    void begin();
    // Ends the pass, then says in a message box what there is to say: that PowerLogic could
    // not end it, or that begin() closed a pass an earlier run had left open.
    void end();
    // The same, but returns what it would say (empty when there is nothing), for a message
    // that tells it together with what went before.
    PassLockNews endQuietly();
    bool open() const { return mOpen; }
    // PowerLogic went away, and its pass with it: there is nothing left to end.
    void forget() { mOpen = false; }

private:
    host::LogicApplication& mApplication;
    UserDialogs& mDialogs;
    bool mOpen = false;
    PassLockNews mNote; // what begin() found, told once the pass has ended
};

} // namespace sequate::engine

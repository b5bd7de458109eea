#pragma once

// The COM simulator as a process of its own for one test: started with a state and options,
// waited for until both applications are in the table of running objects, with Sequate's
// programs of this process pointed at it, and told to stop (its final state then read back) or
// left to die.

#include "host/sim/simstate.h"

#include <string>
#include <vector>
#include <windows.h>

namespace sequate::testing {

// A file under the test's own temporary folder, as a Windows path.
std::string temporaryFile(const std::string& name);
std::string writeStateFile(const host::sim::SimState& state, const std::string& name);

class ComSimProcess {
public:
    // Without its window unless asked: a simulator that showed one takes Wine about two
    // seconds longer to end.
    enum class Window { None, Shown };

    ComSimProcess(const std::string& stateFile, const std::vector<std::string>& options = {},
                  Window window = Window::None);
    ~ComSimProcess();
    ComSimProcess(const ComSimProcess&) = delete;
    ComSimProcess& operator=(const ComSimProcess&) = delete;

    // Stops the simulator and gives the state it had then.
    host::sim::SimState stop();
    // Whether the process has ended within waitMs (as when a fault made it die).
    bool ended(DWORD waitMs = 0);

private:
    PROCESS_INFORMATION mProcess{};
    HANDLE mStop = nullptr;
    bool mRegistered = false;
    std::string mSavedState;
};

} // namespace sequate::testing

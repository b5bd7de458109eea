#pragma once

// An in-memory PowerPCB: a layout with part names that reads PADS ECO files as PowerPCB does,
// as one change or not at all (ecoreader.h). A file it refuses leaves the layout as it was and
// fails ReadEcoFile with the first problem; every problem goes to the log.

#include "host/hostfailure.h"
#include "host/powerpcb.h"
#include "simstate.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sequate::host::sim {

class SimPowerPcb {
public:
    explicit SimPowerPcb(std::optional<LayoutData> layout); // nullopt: no layout open
    ~SimPowerPcb();
    SimPowerPcb(const SimPowerPcb&) = delete;
    SimPowerPcb& operator=(const SimPowerPcb&) = delete;

    std::shared_ptr<PcbApplication> application();

    std::optional<LayoutData> layout() const;
    void setLayout(std::optional<LayoutData> layout);
    // One line per problem found while reading ECO files, such as "amp.eco:7: ...".
    const std::vector<std::string>& log() const;

    std::uint64_t callCount() const;
    // Faults at the k-th call from now, as SimPowerLogic plays them.
    void failCall(std::uint64_t k, HostCode code);
    void failCallAfterEffect(std::uint64_t k, HostCode code);
    void answerNoObjectAtCall(std::uint64_t k);
    void setCallObserver(std::function<void(const std::string& call)> observer);

private:
    struct Impl;
    std::shared_ptr<Impl> mImpl;
};

// The layout the simulated PowerPCB starts with: the file's, or else one with the open
// document's names ("amp.sch" gives "amp.pcb"); none when no document is open.
std::optional<LayoutData> startingLayout(const SimState& state);

} // namespace sequate::host::sim

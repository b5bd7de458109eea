#pragma once

// The data and rules of the simulated PowerLogic, shared by its automation objects and by
// SimPowerLogic's user-side methods. Components never go away, so a (document, component)
// index pair identifies one for the life of the simulator.

#include "callmeter.h"
#include "host/eventreceivers.h"
#include "host/powerlogic.h"
#include "simstate.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace sequate::host::sim {

struct ComponentRef {
    std::size_t document;
    std::size_t component;
};

class LogicModel {
public:
    explicit LogicModel(std::vector<DocumentData> documents);

    CallMeter& meter() { return mMeter; }
    const CallMeter& meter() const { return mMeter; }

    // --- documents and components ---
    const std::vector<DocumentData>& documents() const { return mDocuments; }
    std::optional<std::size_t> openIndex() const { return mOpen; }
    // The open document, or HostFailure(NoProject) naming the call.
    std::size_t requireOpen(const char* call) const;
    const ComponentData& component(ComponentRef ref) const;
    // Components of the document carrying the name, in document order.
    const std::vector<std::size_t>& carriers(std::size_t document, const std::string& name) const;
    std::size_t selectedCount(std::size_t document) const { return mSelectedCount[document]; }
    std::vector<std::size_t> selectedComponents(std::size_t document) const;
    // Applies a rename or throws HostFailure(RenameRefused) with nothing changed.
    void rename(ComponentRef ref, const std::string& name);

    // --- passes: user actions wait while one is open ---
    void beginPass();
    void endPass();
    bool passOpen() const { return mPassOpen; }
    // Runs the action now, or at the end of the open pass, after those queued before it.
    void userAction(std::function<void()> action);
    // The open document once every queued user action has run.
    std::optional<std::size_t> plannedOpen() const { return mPlannedOpen; }
    void planOpen(std::optional<std::size_t> document) { mPlannedOpen = document; }

    // --- what user actions do once they run ---
    void open(std::size_t document);
    void close() { mOpen.reset(); }
    void setSelected(ComponentRef ref, bool selected);

    // --- notifications ---
    void advise(LogicApplicationEvents* sink);
    void unadvise(LogicApplicationEvents* sink);
    // Hands every queued OpenDocument to the sinks advised at that moment; returns how many.
    std::size_t deliverEvents(const std::function<std::shared_ptr<LogicDocument>()>& document);

private:
    using NameIndex = std::unordered_map<std::string, std::vector<std::size_t>>;

    void indexDocument(std::size_t document);

    std::vector<DocumentData> mDocuments;
    std::vector<NameIndex> mNameIndex; // per document: name -> carriers, ascending
    std::vector<std::size_t> mSelectedCount;
    std::optional<std::size_t> mOpen;
    std::optional<std::size_t> mPlannedOpen;
    bool mPassOpen = false;
    std::vector<std::function<void()>> mWaitingActions;
    std::size_t mPendingOpenEvents = 0;
    EventReceivers<LogicApplicationEvents*> mSinks;
    CallMeter mMeter;
};

} // namespace sequate::host::sim

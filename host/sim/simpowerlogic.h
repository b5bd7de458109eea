#pragma once

// An in-memory PowerLogic: the stand-in for the real application in tests and tools.
//
// Two faces: application() is the automation root that Sequate attaches to; the other public
// methods are what happens outside the automation interface (the user clicking in the editor,
// a test inspecting the result). User actions wait while a pass is open and take effect,
// in order, when it ends. Notifications are queued and delivered by processEvents(), which
// plays the part of the event loop: never from inside an automation call.
//
// The document object acts on whatever document is open when it is called. A component set or
// selection it gives stays with the document it came from (the selection's count is live), as
// do the lists: they hold the components they were fetched with, under their current names.

#include "callmeter.h"
#include "host/hostfailure.h"
#include "host/powerlogic.h"
#include "simstate.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sequate::host::sim {

class SimPowerLogic {
public:
    // The first document, if any, is open at start.
    explicit SimPowerLogic(std::vector<DocumentData> documents);
    ~SimPowerLogic();
    SimPowerLogic(const SimPowerLogic&) = delete;
    SimPowerLogic& operator=(const SimPowerLogic&) = delete;

    // The automation root, as attaching to the running application gives it.
    std::shared_ptr<LogicApplication> application();

    // --- the user, outside the automation interface (wait while a pass is open) ---
    void openDocument(std::size_t index);                   // raises OpenDocument
    void closeDocument();                                   // no document open afterwards
    void setSelected(std::size_t component, bool selected); // in the open document
    void selectOnly(const std::vector<std::size_t>& components);

    // Delivers queued OpenDocument notifications to the advised sinks; returns how many.
    std::size_t processEvents();

    // --- inspection ---
    std::optional<std::size_t> openIndex() const;
    const std::vector<DocumentData>& documents() const; // live names, selection, placements
    std::vector<std::string> openNames() const;         // the open document's names, in order
    bool passOpen() const;

    // --- test hooks ---
    // Calls are counted from now, from 1: k = 1 is the next automation call. A fault is played
    // once.
    std::uint64_t callCount() const;               // automation calls answered (failed ones too)
    void failCall(std::uint64_t k, HostCode code); // the k-th call fails and changes nothing
    // The k-th call takes effect (a rename is made, a pass begins or ends), then fails, as when
    // its answer is lost on the way back.
    void failCallAfterEffect(std::uint64_t k, HostCode code);
    // The k-th call, if it is one that gives an object, gives nullptr ("no object") instead;
    // any other call answers as usual.
    void answerNoObjectAtCall(std::uint64_t k);
    // Any of the three, by its kind; and every fault not yet played forgotten.
    void planFault(std::uint64_t k, CallFault fault, HostCode code);
    void clearFaults();
    // Told the name of every automation call, such as "LogicObjects.Item", before it runs.
    void setCallObserver(std::function<void(const std::string& call)> observer);

private:
    struct Impl;
    std::shared_ptr<Impl> mImpl;
};

} // namespace sequate::host::sim

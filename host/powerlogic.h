#pragma once

// The automation objects of the running PowerLogic schematic editor, as Sequate uses them.
// Every method is one automation call into the other process: it is synchronous and reports
// failure by throwing HostFailure. Objects are reference-counted like the automation objects
// they stand for; a pointer stays valid after the host has moved on, and the host decides
// what a stale object answers.
//
// Strings are UTF-8; names compare exactly, byte for byte. Counts and indices are 32-bit, as
// automation counts are; list indices start at 1.

#include <cstdint>
#include <memory>
#include <string>

namespace sequate::host {

class LogicPlacement {
public:
    virtual ~LogicPlacement() = default;
    // The argument selects the unit system; Sequate always passes 0 (the document's units).
    virtual double FirstCoordinate(std::int32_t units) = 0;  // x on the sheet
    virtual double SecondCoordinate(std::int32_t units) = 0; // y on the sheet
};

// The placed elements (gates) of one component.
class LogicPlacements {
public:
    virtual ~LogicPlacements() = default;
    virtual std::int32_t Count() = 0;
    virtual std::shared_ptr<LogicPlacement> Item(std::int32_t index) = 0;
};

class LogicComponent {
public:
    virtual ~LogicComponent() = default;
    // The object's default member, which gives its name. A separate call from Name().
    virtual std::string Value() = 0;
    virtual std::string Name() = 0;
    virtual void SetName(const std::string& name) = 0;
    virtual bool Selected() = 0;
    virtual std::shared_ptr<LogicPlacements> Placements() = 0;
};

// A list of components: a snapshot of which components it holds, taken when it was fetched.
class LogicObjects {
public:
    virtual ~LogicObjects() = default;
    virtual std::int32_t Count() = 0;
    virtual std::shared_ptr<LogicComponent> Item(std::int32_t index) = 0;
    // The first component of the list, in list order, that carries exactly this name; nullptr
    // ("no object", not a failure) when none does.
    virtual std::shared_ptr<LogicComponent> Item(const std::string& name) = 0;
};

class LogicSelection {
public:
    virtual ~LogicSelection() = default;
    virtual std::int32_t Count() = 0;
};

class LogicComponentSet {
public:
    virtual ~LogicComponentSet() = default;
    virtual std::shared_ptr<LogicObjects> Objects() = 0;
    // Sequate only ever asks Query(1, "", 0): all components, as Objects() gives them.
    virtual std::shared_ptr<LogicObjects> Query(std::int32_t kind, const std::string& filter,
                                                std::int32_t flags) = 0;
};

// Stands for whatever document PowerLogic has open, not for one file.
class LogicDocument {
public:
    virtual ~LogicDocument() = default;
    virtual std::string Name() = 0; // file name without folder; empty if never saved
    virtual std::shared_ptr<LogicComponentSet> ComponentSet() = 0;
    virtual std::shared_ptr<LogicSelection> Selection() = 0;
    virtual std::shared_ptr<LogicObjects> SelectedObjects() = 0;
};

// Receives the application's notifications. Called on the thread that owns the connection,
// between user actions, never in the middle of another automation call.
class LogicApplicationEvents {
public:
    virtual ~LogicApplicationEvents() = default;
    virtual void OpenDocument(std::shared_ptr<LogicDocument> doc) = 0;
};

class LogicApplication {
public:
    virtual ~LogicApplication() = default;
    virtual std::shared_ptr<LogicDocument> CurrentDocument() = 0;
    virtual void BeginPass() = 0;
    virtual void EndPass() = 0;
    // Subscribing is bookkeeping of the connection, not an automation call. The sink must
    // outlive the subscription.
    virtual void advise(LogicApplicationEvents* sink) = 0;
    virtual void unadvise(LogicApplicationEvents* sink) = 0;
};

} // namespace sequate::host

#pragma once

// The host interfaces over COM: each object holds the IDispatch the application gave for it,
// and each operation is called with the types the application declares for it (comobject.h).

#include "comobject.h"
#include "host/powerlogic.h"
#include "host/powerpcb.h"

namespace sequate::host::com {

class OpenDocumentSink;

class ComLogicPlacement : public LogicPlacement, private ComObject {
public:
    ComLogicPlacement(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object);
    double FirstCoordinate(std::int32_t units) override;
    double SecondCoordinate(std::int32_t units) override;
};

// A component's placements: a list of the LogicObjects kind whose items are placements.
class ComLogicPlacements : public LogicPlacements, private ComObject {
public:
    ComLogicPlacements(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object);
    std::int32_t Count() override;
    std::shared_ptr<LogicPlacement> Item(std::int32_t index) override;
};

class ComLogicComponent : public LogicComponent, private ComObject {
public:
    ComLogicComponent(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object);
    std::string Value() override;
    std::string Name() override;
    void SetName(const std::string& name) override;
    bool Selected() override;
    std::shared_ptr<LogicPlacements> Placements() override;
};

class ComLogicObjects : public LogicObjects, private ComObject {
public:
    ComLogicObjects(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object);
    std::int32_t Count() override;
    std::shared_ptr<LogicComponent> Item(std::int32_t index) override;
    std::shared_ptr<LogicComponent> Item(const std::string& name) override;
};

class ComLogicSelection : public LogicSelection, private ComObject {
public:
    ComLogicSelection(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object);
    std::int32_t Count() override;
};

class ComLogicComponentSet : public LogicComponentSet, private ComObject {
public:
    ComLogicComponentSet(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object);
    std::shared_ptr<LogicObjects> Objects() override;
    std::shared_ptr<LogicObjects> Query(std::int32_t kind, const std::string& filter,
                                        std::int32_t flags) override;
};

class ComLogicDocument : public LogicDocument, private ComObject {
public:
    ComLogicDocument(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object);
    std::string Name() override;
    std::shared_ptr<LogicComponentSet> ComponentSet() override;
    std::shared_ptr<LogicSelection> Selection() override;
    std::shared_ptr<LogicObjects> SelectedObjects() override;
};

class ComLogicApplication : public LogicApplication, private ComObject {
public:
    ComLogicApplication(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object);
    ~ComLogicApplication() override;
    std::shared_ptr<LogicDocument> CurrentDocument() override;
    void BeginPass() override;
    void EndPass() override;
    // Advised at the application's connection point with the first sink, unadvised with the
    // last. Notifications reach the sinks through deliverNotifications().
    void advise(LogicApplicationEvents* sink) override;
    void unadvise(LogicApplicationEvents* sink) override;

private:
    OpenDocumentSink* mEvents = nullptr;
};

class ComPcbDocument : public PcbDocument, private ComObject {
public:
    ComPcbDocument(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object);
    void ReadEcoFile(const std::string& path) override;
};

class ComPcbApplication : public PcbApplication, private ComObject {
public:
    ComPcbApplication(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object);
    std::shared_ptr<PcbDocument> CurrentDocument() override;
};

} // namespace sequate::host::com

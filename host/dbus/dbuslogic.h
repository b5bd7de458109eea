#pragma once

// The host interfaces over D-Bus: each object is a path of the application's on the bus, and
// each operation a method call on it (dbusobject.h).

#include "dbusobject.h"
#include "host/powerlogic.h"
#include "host/powerpcb.h"
#include "opendocumentsink.h"

namespace sequate::host::dbus {

class DbusLogicPlacement : public LogicPlacement, private DbusObject {
public:
    DbusLogicPlacement(std::shared_ptr<DbusHost> host, QString path);

    double FirstCoordinate(std::int32_t units) override;
    double SecondCoordinate(std::int32_t units) override;
};

class DbusLogicPlacements : public LogicPlacements, private DbusObject {
public:
    DbusLogicPlacements(std::shared_ptr<DbusHost> host, QString path);

    std::int32_t Count() override;
    std::shared_ptr<LogicPlacement> Item(std::int32_t index) override;
};

class DbusLogicComponent : public LogicComponent, private DbusObject {
public:
    DbusLogicComponent(std::shared_ptr<DbusHost> host, QString path);

    std::string Value() override;
    std::string Name() override;
    void SetName(const std::string& name) override;
    bool Selected() override;
    std::shared_ptr<LogicPlacements> Placements() override;
};

class DbusLogicObjects : public LogicObjects, private DbusObject {
public:
    DbusLogicObjects(std::shared_ptr<DbusHost> host, QString path);

    std::int32_t Count() override;
    std::shared_ptr<LogicComponent> Item(std::int32_t index) override;
    std::shared_ptr<LogicComponent> Item(const std::string& name) override;
};

class DbusLogicSelection : public LogicSelection, private DbusObject {
public:
    DbusLogicSelection(std::shared_ptr<DbusHost> host, QString path);

    std::int32_t Count() override;
};

class DbusLogicComponentSet : public LogicComponentSet, private DbusObject {
public:
    DbusLogicComponentSet(std::shared_ptr<DbusHost> host, QString path);

    std::shared_ptr<LogicObjects> Objects() override;
    std::shared_ptr<LogicObjects> Query(std::int32_t kind, const std::string& filter,
                                        std::int32_t flags) override;
};

class DbusLogicDocument : public LogicDocument, private DbusObject {
public:
    // owned is false for the document a notification names: the host keeps that one.
    DbusLogicDocument(std::shared_ptr<DbusHost> host, QString path, bool owned = true);

    std::string Name() override;
    std::shared_ptr<LogicComponentSet> ComponentSet() override;
    std::shared_ptr<LogicSelection> Selection() override;
    std::shared_ptr<LogicObjects> SelectedObjects() override;
};

class DbusLogicApplication : public LogicApplication, private DbusObject {
public:
    explicit DbusLogicApplication(std::shared_ptr<DbusHost> host);

    std::shared_ptr<LogicDocument> CurrentDocument() override;
    void BeginPass() override;
    void EndPass() override;
    void advise(LogicApplicationEvents* sink) override;
    void unadvise(LogicApplicationEvents* sink) override;

private:
    OpenDocumentSink mEvents;
};

class DbusPcbDocument : public PcbDocument, private DbusObject {
public:
    DbusPcbDocument(std::shared_ptr<DbusHost> host, QString path);

    void ReadEcoFile(const std::string& path) override;
};

class DbusPcbApplication : public PcbApplication, private DbusObject {
public:
    explicit DbusPcbApplication(std::shared_ptr<DbusHost> host);

    std::shared_ptr<PcbDocument> CurrentDocument() override;
};

} // namespace sequate::host::dbus

#include "dbuslogic.h"

#include "protocol.h"

#include <utility>

namespace sequate::host::dbus {

DbusLogicPlacement::DbusLogicPlacement(std::shared_ptr<DbusHost> host, QString path)
    : DbusObject(std::move(host), std::move(path), QStringLiteral("LogicPlacement"), true) {}

double DbusLogicPlacement::FirstCoordinate(std::int32_t units) {
    return callDouble(QStringLiteral("FirstCoordinate"), {units});
}

double DbusLogicPlacement::SecondCoordinate(std::int32_t units) {
    return callDouble(QStringLiteral("SecondCoordinate"), {units});
}

DbusLogicPlacements::DbusLogicPlacements(std::shared_ptr<DbusHost> host, QString path)
    : DbusObject(std::move(host), std::move(path), QStringLiteral("LogicPlacements"), true) {}

std::int32_t DbusLogicPlacements::Count() {
    return callInt(QStringLiteral("Count"));
}

std::shared_ptr<LogicPlacement> DbusLogicPlacements::Item(std::int32_t index) {
    return callObject<DbusLogicPlacement>(QStringLiteral("Item"), {index});
}

DbusLogicComponent::DbusLogicComponent(std::shared_ptr<DbusHost> host, QString path)
    : DbusObject(std::move(host), std::move(path), QStringLiteral("LogicComponent"), true) {}

std::string DbusLogicComponent::Value() {
    return callString(QStringLiteral("Value"));
}

std::string DbusLogicComponent::Name() {
    return callString(QStringLiteral("Name"));
}

void DbusLogicComponent::SetName(const std::string& name) {
    callVoid(QStringLiteral("SetName"), {QString::fromStdString(name)});
}

bool DbusLogicComponent::Selected() {
    return callBool(QStringLiteral("Selected"));
}

std::shared_ptr<LogicPlacements> DbusLogicComponent::Placements() {
    return callObject<DbusLogicPlacements>(QStringLiteral("Placements"));
}

DbusLogicObjects::DbusLogicObjects(std::shared_ptr<DbusHost> host, QString path)
    : DbusObject(std::move(host), std::move(path), QStringLiteral("LogicObjects"), true) {}

std::int32_t DbusLogicObjects::Count() {
    return callInt(QStringLiteral("Count"));
}

std::shared_ptr<LogicComponent> DbusLogicObjects::Item(std::int32_t index) {
    return callObject<DbusLogicComponent>(QStringLiteral("Item"), {index});
}

std::shared_ptr<LogicComponent> DbusLogicObjects::Item(const std::string& name) {
    return callObject<DbusLogicComponent>(QStringLiteral("Item"), {QString::fromStdString(name)});
}

DbusLogicSelection::DbusLogicSelection(std::shared_ptr<DbusHost> host, QString path)
    : DbusObject(std::move(host), std::move(path), QStringLiteral("LogicSelection"), true) {}

std::int32_t DbusLogicSelection::Count() {
    return callInt(QStringLiteral("Count"));
}

DbusLogicComponentSet::DbusLogicComponentSet(std::shared_ptr<DbusHost> host, QString path)
    : DbusObject(std::move(host), std::move(path), QStringLiteral("LogicComponentSet"), true) {}

std::shared_ptr<LogicObjects> DbusLogicComponentSet::Objects() {
    return callObject<DbusLogicObjects>(QStringLiteral("Objects"));
}

std::shared_ptr<LogicObjects>
DbusLogicComponentSet::Query(std::int32_t kind, const std::string& filter, std::int32_t flags) {
    const QVariantList args{kind, QString::fromStdString(filter), flags};
    return callObject<DbusLogicObjects>(QStringLiteral("Query"), args);
}

DbusLogicDocument::DbusLogicDocument(std::shared_ptr<DbusHost> host, QString path, bool owned)
    : DbusObject(std::move(host), std::move(path), QStringLiteral("LogicDocument"), owned) {}

std::string DbusLogicDocument::Name() {
    return callString(QStringLiteral("Name"));
}

std::shared_ptr<LogicComponentSet> DbusLogicDocument::ComponentSet() {
    return callObject<DbusLogicComponentSet>(QStringLiteral("ComponentSet"));
}

std::shared_ptr<LogicSelection> DbusLogicDocument::Selection() {
    return callObject<DbusLogicSelection>(QStringLiteral("Selection"));
}

std::shared_ptr<LogicObjects> DbusLogicDocument::SelectedObjects() {
    return callObject<DbusLogicObjects>(QStringLiteral("SelectedObjects"));
}

DbusLogicApplication::DbusLogicApplication(std::shared_ptr<DbusHost> host)
    : DbusObject(host, applicationPath, QStringLiteral("LogicApplication"), false),
      mEvents(std::move(host)) {}

std::shared_ptr<LogicDocument> DbusLogicApplication::CurrentDocument() {
    return callObject<DbusLogicDocument>(QStringLiteral("CurrentDocument"));
}

void DbusLogicApplication::BeginPass() {
    callVoid(QStringLiteral("BeginPass"));
}

void DbusLogicApplication::EndPass() {
    callVoid(QStringLiteral("EndPass"));
}

void DbusLogicApplication::advise(LogicApplicationEvents* sink) {
    mEvents.advise(sink);
}

void DbusLogicApplication::unadvise(LogicApplicationEvents* sink) {
    mEvents.unadvise(sink);
}

DbusPcbDocument::DbusPcbDocument(std::shared_ptr<DbusHost> host, QString path)
    : DbusObject(std::move(host), std::move(path), QStringLiteral("PcbDocument"), true) {}

void DbusPcbDocument::ReadEcoFile(const std::string& path) {
    callVoid(QStringLiteral("ReadEcoFile"), {QString::fromStdString(path)});
}

DbusPcbApplication::DbusPcbApplication(std::shared_ptr<DbusHost> host)
    : DbusObject(std::move(host), applicationPath, QStringLiteral("PcbApplication"), false) {}

std::shared_ptr<PcbDocument> DbusPcbApplication::CurrentDocument() {
    return callObject<DbusPcbDocument>(QStringLiteral("CurrentDocument"));
}

} // namespace sequate::host::dbus

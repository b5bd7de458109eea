#include "calldispatch.h"

namespace sequate::hostsim {

namespace {

using namespace sequate::host;

QVariant text(const std::string& value) {
    return QString::fromStdString(value);
}

template <class T>
QVariant object(const IssueObject& issue, std::shared_ptr<T> value) {
    return QVariant::fromValue(issue(AutomationObject(std::move(value))));
}

QVariantList answer(LogicApplication& app, const AutomationCall& call, const IssueObject& issue) {
    if (call.is("CurrentDocument", ""))
        return {object(issue, app.CurrentDocument())};
    if (call.is("BeginPass", "")) {
        app.BeginPass();
        return {};
    }
    if (call.is("EndPass", "")) {
        app.EndPass();
        return {};
    }
    call.unknown();
}

QVariantList answer(LogicDocument& doc, const AutomationCall& call, const IssueObject& issue) {
    if (call.is("Name", ""))
        return {text(doc.Name())};
    if (call.is("ComponentSet", ""))
        return {object(issue, doc.ComponentSet())};
    if (call.is("Selection", ""))
        return {object(issue, doc.Selection())};
    if (call.is("SelectedObjects", ""))
        return {object(issue, doc.SelectedObjects())};
    call.unknown();
}

QVariantList answer(LogicComponentSet& set, const AutomationCall& call, const IssueObject& issue) {
    if (call.is("Objects", ""))
        return {object(issue, set.Objects())};
    if (call.is("Query", "isi"))
        return {object(issue,
                       set.Query(call.intArg(0), call.stringArg(1).toStdString(), call.intArg(2)))};
    call.unknown();
}

QVariantList answer(LogicSelection& selection, const AutomationCall& call, const IssueObject&) {
    if (call.is("Count", ""))
        return {selection.Count()};
    call.unknown();
}

QVariantList answer(LogicObjects& list, const AutomationCall& call, const IssueObject& issue) {
    if (call.is("Count", ""))
        return {list.Count()};
    if (call.is("Item", "i"))
        return {object(issue, list.Item(call.intArg(0)))};
    if (call.is("Item", "s"))
        return {object(issue, list.Item(call.stringArg(0).toStdString()))};
    call.unknown();
}

QVariantList answer(LogicComponent& component, const AutomationCall& call,
                    const IssueObject& issue) {
    if (call.is("Value", ""))
        return {text(component.Value())};
    if (call.is("Name", ""))
        return {text(component.Name())};
    if (call.is("SetName", "s")) {
        component.SetName(call.stringArg(0).toStdString());
        return {};
    }
    if (call.is("Selected", ""))
        return {component.Selected()};
    if (call.is("Placements", ""))
        return {object(issue, component.Placements())};
    call.unknown();
}

QVariantList answer(LogicPlacements& list, const AutomationCall& call, const IssueObject& issue) {
    if (call.is("Count", ""))
        return {list.Count()};
    if (call.is("Item", "i"))
        return {object(issue, list.Item(call.intArg(0)))};
    call.unknown();
}

QVariantList answer(LogicPlacement& placement, const AutomationCall& call, const IssueObject&) {
    if (call.is("FirstCoordinate", "i"))
        return {placement.FirstCoordinate(call.intArg(0))};
    if (call.is("SecondCoordinate", "i"))
        return {placement.SecondCoordinate(call.intArg(0))};
    call.unknown();
}

QVariantList answer(PcbApplication& app, const AutomationCall& call, const IssueObject& issue) {
    if (call.is("CurrentDocument", ""))
        return {object(issue, app.CurrentDocument())};
    call.unknown();
}

QVariantList answer(PcbDocument& doc, const AutomationCall& call, const IssueObject&) {
    if (call.is("ReadEcoFile", "s")) {
        doc.ReadEcoFile(call.stringArg(0).toStdString());
        return {};
    }
    call.unknown();
}

} // namespace

QVariantList dispatchCall(const AutomationObject& object, const AutomationCall& call,
                          const IssueObject& issue) {
    return std::visit([&](const auto& pointer) { return answer(*pointer, call, issue); }, object);
}

} // namespace sequate::hostsim

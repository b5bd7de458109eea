#include "comlogic.h"

#include "opendocumentsink.h"

#include <utility>

namespace sequate::host::com {

using enum Operation;

ComLogicPlacement::ComLogicPlacement(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object)
    : ComObject(std::move(host), std::move(object), Kind::LogicPlacement) {}

double ComLogicPlacement::FirstCoordinate(std::int32_t units) {
    Variant which(static_cast<long>(units));
    return callCoordinate(PlacementFirstCoordinate, {which});
}

double ComLogicPlacement::SecondCoordinate(std::int32_t units) {
    Variant which(static_cast<long>(units));
    return callCoordinate(PlacementSecondCoordinate, {which});
}

ComLogicPlacements::ComLogicPlacements(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object)
    : ComObject(std::move(host), std::move(object), Kind::LogicObjects) {}

std::int32_t ComLogicPlacements::Count() {
    return callCount(ObjectsCount);
}

std::shared_ptr<LogicPlacement> ComLogicPlacements::Item(std::int32_t index) {
    Variant which(static_cast<long>(index));
    return callObject<ComLogicPlacement>(ObjectsItem, {which});
}

ComLogicComponent::ComLogicComponent(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object)
    : ComObject(std::move(host), std::move(object), Kind::LogicComponent) {}

std::string ComLogicComponent::Value() {
    Variant result = performDefault();
    readAs(result, VT_BSTR, "LogicComponent's default member", "a text");
    return utf8FromWide({result.get().bstrVal, ::SysStringLen(result.get().bstrVal)});
}

std::string ComLogicComponent::Name() {
    return callText(ComponentName);
}

void ComLogicComponent::SetName(const std::string& name) {
    Variant text(wideFromUtf8(name));
    perform(ComponentSetName, {text});
}

bool ComLogicComponent::Selected() {
    return callFlag(ComponentSelected);
}

std::shared_ptr<LogicPlacements> ComLogicComponent::Placements() {
    return callObject<ComLogicPlacements>(ComponentPlacements);
}

ComLogicObjects::ComLogicObjects(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object)
    : ComObject(std::move(host), std::move(object), Kind::LogicObjects) {}

std::int32_t ComLogicObjects::Count() {
    return callCount(ObjectsCount);
}

std::shared_ptr<LogicComponent> ComLogicObjects::Item(std::int32_t index) {
    Variant which(static_cast<long>(index));
    return callObject<ComLogicComponent>(ObjectsItem, {which});
}

std::shared_ptr<LogicComponent> ComLogicObjects::Item(const std::string& name) {
    Variant which(wideFromUtf8(name));
    return callObject<ComLogicComponent>(ObjectsItem, {which});
}

ComLogicSelection::ComLogicSelection(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object)
    : ComObject(std::move(host), std::move(object), Kind::LogicSelection) {}

std::int32_t ComLogicSelection::Count() {
    return callCount(SelectionCount);
}

ComLogicComponentSet::ComLogicComponentSet(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object)
    : ComObject(std::move(host), std::move(object), Kind::LogicComponentSet) {}

std::shared_ptr<LogicObjects> ComLogicComponentSet::Objects() {
    return callObject<ComLogicObjects>(ComponentSetObjects);
}

std::shared_ptr<LogicObjects>
ComLogicComponentSet::Query(std::int32_t kind, const std::string& filter, std::int32_t flags) {
    Variant which(static_cast<long>(kind));
    Variant text(wideFromUtf8(filter));
    Variant how(static_cast<long>(flags));
    return callObject<ComLogicObjects>(ComponentSetQuery, {which, text, how});
}

ComLogicDocument::ComLogicDocument(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object)
    : ComObject(std::move(host), std::move(object), Kind::LogicDocument) {}

std::string ComLogicDocument::Name() {
    return callText(DocumentName);
}

std::shared_ptr<LogicComponentSet> ComLogicDocument::ComponentSet() {
    return callObject<ComLogicComponentSet>(DocumentComponentSet);
}

std::shared_ptr<LogicSelection> ComLogicDocument::Selection() {
    return callObject<ComLogicSelection>(DocumentSelection);
}

std::shared_ptr<LogicObjects> ComLogicDocument::SelectedObjects() {
    return callObject<ComLogicObjects>(DocumentSelectedObjects);
}

ComLogicApplication::ComLogicApplication(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object)
    : ComObject(std::move(host), std::move(object), Kind::LogicApplication) {}

ComLogicApplication::~ComLogicApplication() {
    if (mEvents) {
        mEvents->disconnect();
        mEvents->Release();
    }
}

std::shared_ptr<LogicDocument> ComLogicApplication::CurrentDocument() {
    return callObject<ComLogicDocument>(ApplicationCurrentDocument);
}

void ComLogicApplication::BeginPass() {
    perform(ApplicationBeginPass);
}

void ComLogicApplication::EndPass() {
    perform(ApplicationEndPass);
}

void ComLogicApplication::advise(LogicApplicationEvents* sink) {
    if (!mEvents)
        mEvents = new OpenDocumentSink(host(), ComPtr<IUnknown>::share(dispatch()));
    mEvents->add(sink);
}

void ComLogicApplication::unadvise(LogicApplicationEvents* sink) {
    if (!mEvents)
        return;
    mEvents->remove(sink);
    if (mEvents->empty()) {
        mEvents->disconnect();
        mEvents->Release();
        mEvents = nullptr;
    }
}

ComPcbDocument::ComPcbDocument(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object)
    : ComObject(std::move(host), std::move(object), Kind::PcbDocument) {}

void ComPcbDocument::ReadEcoFile(const std::string& path) {
    Variant text(wideFromUtf8(path));
    perform(PcbDocumentReadEcoFile, {text});
}

ComPcbApplication::ComPcbApplication(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object)
    : ComObject(std::move(host), std::move(object), Kind::PcbApplication) {}

std::shared_ptr<PcbDocument> ComPcbApplication::CurrentDocument() {
    return callObject<ComPcbDocument>(PcbApplicationCurrentDocument);
}

} // namespace sequate::host::com

#include "comlogic.h"

#include "automationids.h"
#include "opendocumentsink.h"

#include <utility>

namespace sequate::host::com {

ComLogicPlacement::ComLogicPlacement(std::shared_ptr<ComHost> host, const ComPtr<IUnknown>& object)
    : ComObject(std::move(host), object, iidLogicPlacement, "LogicPlacement") {}

double ComLogicPlacement::FirstCoordinate(std::int32_t units) {
    double value = 0;
    call(slot::placementFirstCoordinate, "FirstCoordinate", static_cast<long>(units), &value);
    return value;
}

double ComLogicPlacement::SecondCoordinate(std::int32_t units) {
    double value = 0;
    call(slot::placementSecondCoordinate, "SecondCoordinate", static_cast<long>(units), &value);
    return value;
}

ComLogicPlacements::ComLogicPlacements(std::shared_ptr<ComHost> host,
                                       const ComPtr<IUnknown>& object)
    : ComObject(std::move(host), object, iidLogicObjects, "LogicObjects") {}

std::int32_t ComLogicPlacements::Count() {
    return callCount(slot::objectsCount, "Count");
}

std::shared_ptr<LogicPlacement> ComLogicPlacements::Item(std::int32_t index) {
    Variant which(static_cast<long>(index));
    return callObject<ComLogicPlacement>(slot::objectsItem, "Item", which.get());
}

ComLogicComponent::ComLogicComponent(std::shared_ptr<ComHost> host, const ComPtr<IUnknown>& object)
    : ComObject(std::move(host), object, iidLogicComponent, "LogicComponent") {}

// The default member has no slot of its own: it is reached through IDispatch, as a script
// that reads the object as a value reaches it.
std::string ComLogicComponent::Value() {
    IDispatch* dispatch = static_cast<IDispatch*>(object());
    DISPPARAMS none{};
    Variant result;
    EXCEPINFO exception{};
    const HRESULT outcome =
        dispatch->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                         result.out(), &exception, nullptr);
    if (outcome == DISP_E_EXCEPTION) {
        Bstr source;
        Bstr description;
        *source.out() = exception.bstrSource;
        *description.out() = exception.bstrDescription;
        ::SysFreeString(exception.bstrHelpFile);
        const HRESULT code = exception.scode ? exception.scode : E_FAIL;
        if (!description.view().empty())
            throw HostFailure(static_cast<HostCode>(static_cast<std::uint32_t>(code)),
                              utf8FromWide(description.view()));
        fail(code, "Value");
    }
    if (FAILED(outcome))
        fail(outcome, "Value");
    if (FAILED(::VariantChangeType(&result.get(), &result.get(), 0, VT_BSTR)))
        fail(DISP_E_TYPEMISMATCH, "Value");
    return utf8FromWide({result.get().bstrVal, ::SysStringLen(result.get().bstrVal)});
}

std::string ComLogicComponent::Name() {
    return callString(slot::componentName, "Name");
}

void ComLogicComponent::SetName(const std::string& name) {
    const Bstr text(wideFromUtf8(name));
    call(slot::componentSetName, "SetName", text.get());
}

bool ComLogicComponent::Selected() {
    VARIANT_BOOL selected = VARIANT_FALSE;
    call(slot::componentSelected, "Selected", &selected);
    return selected != VARIANT_FALSE;
}

std::shared_ptr<LogicPlacements> ComLogicComponent::Placements() {
    return callObject<ComLogicPlacements>(slot::componentPlacements, "Placements");
}

ComLogicObjects::ComLogicObjects(std::shared_ptr<ComHost> host, const ComPtr<IUnknown>& object)
    : ComObject(std::move(host), object, iidLogicObjects, "LogicObjects") {}

std::int32_t ComLogicObjects::Count() {
    return callCount(slot::objectsCount, "Count");
}

std::shared_ptr<LogicComponent> ComLogicObjects::Item(std::int32_t index) {
    Variant which(static_cast<long>(index));
    return callObject<ComLogicComponent>(slot::objectsItem, "Item", which.get());
}

std::shared_ptr<LogicComponent> ComLogicObjects::Item(const std::string& name) {
    Variant which(wideFromUtf8(name));
    return callObject<ComLogicComponent>(slot::objectsItem, "Item", which.get());
}

ComLogicSelection::ComLogicSelection(std::shared_ptr<ComHost> host, const ComPtr<IUnknown>& object)
    : ComObject(std::move(host), object, iidLogicSelection, "LogicSelection") {}

std::int32_t ComLogicSelection::Count() {
    return callCount(slot::selectionCount, "Count");
}

ComLogicComponentSet::ComLogicComponentSet(std::shared_ptr<ComHost> host,
                                           const ComPtr<IUnknown>& object)
    : ComObject(std::move(host), object, iidLogicComponentSet, "LogicComponentSet") {}

std::shared_ptr<LogicObjects> ComLogicComponentSet::Objects() {
    return callObject<ComLogicObjects>(slot::componentSetObjects, "Objects");
}

std::shared_ptr<LogicObjects>
ComLogicComponentSet::Query(std::int32_t kind, const std::string& filter, std::int32_t flags) {
    const Bstr text(wideFromUtf8(filter));
    return callObject<ComLogicObjects>(slot::componentSetQuery, "Query", static_cast<long>(kind),
                                       text.get(), static_cast<long>(flags));
}

ComLogicDocument::ComLogicDocument(std::shared_ptr<ComHost> host, const ComPtr<IUnknown>& object)
    : ComObject(std::move(host), object, iidLogicDocument, "LogicDocument") {}

std::string ComLogicDocument::Name() {
    return callString(slot::documentName, "Name");
}

std::shared_ptr<LogicComponentSet> ComLogicDocument::ComponentSet() {
    return callObject<ComLogicComponentSet>(slot::documentComponentSet, "ComponentSet");
}

std::shared_ptr<LogicSelection> ComLogicDocument::Selection() {
    return callObject<ComLogicSelection>(slot::documentSelection, "Selection");
}

std::shared_ptr<LogicObjects> ComLogicDocument::SelectedObjects() {
    return callObject<ComLogicObjects>(slot::documentSelectedObjects, "SelectedObjects");
}

ComLogicApplication::ComLogicApplication(std::shared_ptr<ComHost> host,
                                         const ComPtr<IUnknown>& object)
    : ComObject(std::move(host), object, iidLogicApplication, "LogicApplication") {}

ComLogicApplication::~ComLogicApplication() {
    if (mEvents) {
        mEvents->disconnect();
        mEvents->Release();
    }
}

std::shared_ptr<LogicDocument> ComLogicApplication::CurrentDocument() {
    return callObject<ComLogicDocument>(slot::applicationCurrentDocument, "CurrentDocument");
}

void ComLogicApplication::BeginPass() {
    call(slot::applicationBeginPass, "BeginPass");
}

void ComLogicApplication::EndPass() {
    call(slot::applicationEndPass, "EndPass");
}

void ComLogicApplication::advise(LogicApplicationEvents* sink) {
    if (!mEvents)
        mEvents = new OpenDocumentSink(host(), ComPtr<IUnknown>::share(object()));
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

ComPcbDocument::ComPcbDocument(std::shared_ptr<ComHost> host, const ComPtr<IUnknown>& object)
    : ComObject(std::move(host), object, iidPcbDocument, "PcbDocument") {}

void ComPcbDocument::ReadEcoFile(const std::string& path) {
    const Bstr text(wideFromUtf8(path));
    long result = 0;
    call(slot::pcbDocumentReadEcoFile, "ReadEcoFile", text.get(), &result);
}

ComPcbApplication::ComPcbApplication(std::shared_ptr<ComHost> host, const ComPtr<IUnknown>& object)
    : ComObject(std::move(host), object, iidPcbApplication, "PcbApplication") {}

std::shared_ptr<PcbDocument> ComPcbApplication::CurrentDocument() {
    return callObject<ComPcbDocument>(slot::pcbApplicationCurrentDocument, "CurrentDocument");
}

ComRunningObjects::ComRunningObjects(int timeoutMs)
    : mApartment(std::make_shared<Apartment>(timeoutMs)), mTimeoutMs(timeoutMs) {}

std::shared_ptr<LogicApplication> ComRunningObjects::attachPowerLogic() {
    auto host = std::make_shared<ComHost>(ComHost{mApartment, "PowerLogic", mTimeoutMs});
    return std::make_shared<ComLogicApplication>(host, attach(L"PowerLogic.Application", host));
}

std::shared_ptr<PcbApplication> ComRunningObjects::attachPowerPcb() {
    auto host = std::make_shared<ComHost>(ComHost{mApartment, "PowerPCB", mTimeoutMs});
    return std::make_shared<ComPcbApplication>(host, attach(L"PowerPCB.Application", host));
}

ComPtr<IUnknown> ComRunningObjects::attach(const std::wstring& className,
                                           const std::shared_ptr<ComHost>& host) {
    const std::string what = host->title + " is not running: ";
    CLSID id{};
    if (FAILED(::CLSIDFromProgID(className.c_str(), &id)))
        throw HostFailure(HostCode::NotRunning,
                          what + "the class " + utf8FromWide(className) + " is not registered");
    ComPtr<IUnknown> running;
    if (FAILED(::GetActiveObject(id, nullptr, running.out())) || !running)
        throw HostFailure(HostCode::NotRunning, what + utf8FromWide(className) +
                                                    " is not in the table of running objects");
    return running;
}

} // namespace sequate::host::com

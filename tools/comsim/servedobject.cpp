#include "servedobject.h"

#include "host/utf8.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace sequate::comsim {

namespace {

ITypeLib* typeLibrary = nullptr;
ITypeLib* declaredLibrary = nullptr;
SelfDescription selfDescription = SelfDescription::Declared;
TestPlan plan;
std::optional<host::sim::CallFaults> faults;
bool openDocumentPending = false;

using Known = std::map<GUID, ITypeInfo*, decltype([](const GUID& a, const GUID& b) {
                           return std::memcmp(&a, &b, sizeof(GUID)) < 0;
                       })>;

ITypeInfo* typeInfoIn(ITypeLib* library, const IID& iid, Known& known) {
    if (const auto found = known.find(iid); found != known.end())
        return found->second;
    ITypeInfo* info = nullptr;
    if (!library || FAILED(library->GetTypeInfoOfGuid(iid, &info)))
        return nullptr;
    known.emplace(iid, info);
    return info;
}

// The type an [out, retval] parameter points to, where it is a plain value.
VARTYPE retvalType(ITypeInfo* info, DISPID member) {
    ITypeInfo* table = info;
    HREFTYPE reference = 0;
    if (SUCCEEDED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &reference)))
        info->GetRefTypeInfo(reference, &table);
    TYPEATTR* attr = nullptr;
    VARTYPE type = VT_EMPTY;
    if (FAILED(table->GetTypeAttr(&attr)))
        return type;
    for (UINT i = 0; i < attr->cFuncs; ++i) {
        FUNCDESC* function = nullptr;
        if (FAILED(table->GetFuncDesc(i, &function)))
            continue;
        if (function->memid == member &&
            (function->invkind == INVOKE_PROPERTYGET || function->invkind == INVOKE_FUNC)) {
            for (SHORT p = 0; p < function->cParams; ++p) {
                const ELEMDESC& parameter = function->lprgelemdescParam[p];
                if ((parameter.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) &&
                    parameter.tdesc.vt == VT_PTR && parameter.tdesc.lptdesc->vt < VT_VARIANT)
                    type = parameter.tdesc.lptdesc->vt;
            }
        }
        table->ReleaseFuncDesc(function);
    }
    table->ReleaseTypeAttr(attr);
    if (table != info)
        table->Release();
    return type;
}

} // namespace

void Served::setup(ITypeLib* native, ITypeLib* declared, SelfDescription self, TestPlan test) {
    typeLibrary = native;
    declaredLibrary = declared;
    selfDescription = self;
    plan = std::move(test);
    faults.emplace("sequate-comsim", plan.faults);
}

ITypeInfo* Served::typeInfo(const IID& iid) {
    static Known known;
    return typeInfoIn(typeLibrary, iid, known);
}

ITypeInfo* Served::describedTypeInfo(const IID& iid) {
    static Known known;
    switch (selfDescription) {
    case SelfDescription::None:
        return nullptr;
    case SelfDescription::Foreign:
        return typeInfoIn(typeLibrary, DIID_DSimulatedObject, known);
    case SelfDescription::Declared:
        break;
    }
    return typeInfoIn(declaredLibrary, iid, known);
}

void Served::declareResult(const IID& iid, DISPID member, VARIANT* result) {
    if (!result || declaredLibrary == typeLibrary)
        return;
    static std::map<std::pair<std::string, DISPID>, VARTYPE> declared;
    const std::string key(reinterpret_cast<const char*>(&iid), sizeof iid);
    auto found = declared.find({key, member});
    if (found == declared.end()) {
        static Known known;
        ITypeInfo* info = typeInfoIn(declaredLibrary, iid, known);
        found = declared
                    .emplace(std::pair{key, member},
                             info ? retvalType(info, member) : VARTYPE(VT_EMPTY))
                    .first;
    }
    if (found->second != VT_EMPTY && found->second != result->vt)
        ::VariantChangeType(result, result, 0, found->second);
}

void Served::beforeCall() {
    faults->beforeCall({});
    if (plan.openDocumentAtCall == faults->calls())
        openDocumentPending = true;
}

void Served::afterEffect() {
    faults->afterEffect();
}

bool Served::answersNoObject() {
    return faults->answersNoObject();
}

std::optional<std::size_t> Served::takeOpenDocument() {
    if (!openDocumentPending)
        return std::nullopt;
    openDocumentPending = false;
    return plan.openIndex;
}

HRESULT Served::failed(const host::HostFailure& failure, const IID& iid) {
    ICreateErrorInfo* create = nullptr;
    if (SUCCEEDED(::CreateErrorInfo(&create))) {
        std::wstring description = host::wideFromUtf8(failure.what());
        create->SetGUID(iid);
        create->SetDescription(description.data());
        IErrorInfo* info = nullptr;
        if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
            ::SetErrorInfo(0, info);
            info->Release();
        }
        create->Release();
    }
    return static_cast<HRESULT>(static_cast<std::uint32_t>(failure.code()));
}

} // namespace sequate::comsim

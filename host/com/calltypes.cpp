#include "calltypes.h"

#include <cstring>

namespace sequate::host::com {

namespace {

bool sameId(const GUID& a, const GUID& b) {
    return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}

// The library read where this process can: a registered library is read here, without a call
// into the application for every function of it.
ComPtr<ITypeLib> libraryOf(ITypeInfo& info) {
    ComPtr<ITypeLib> remote;
    UINT index = 0;
    if (FAILED(info.GetContainingTypeLib(remote.out(), &index)) || !remote)
        return {};
    TLIBATTR* attr = nullptr;
    if (FAILED(remote->GetLibAttr(&attr)) || !attr)
        return remote;
    ComPtr<ITypeLib> local;
    const HRESULT loaded = ::LoadRegTypeLib(attr->guid, attr->wMajorVerNum, attr->wMinorVerNum,
                                            attr->lcid, local.out());
    remote->ReleaseTLibAttr(attr);
    return SUCCEEDED(loaded) && local ? local : remote;
}

std::string libraryName(ITypeLib& library) {
    Bstr name;
    if (FAILED(library.GetDocumentation(-1, name.out(), nullptr, nullptr, nullptr)))
        return "its type library";
    return "its type library " + utf8FromWide(name.view());
}

} // namespace

CallTypes::CallTypes(Application application, std::string title, Log log)
    : mApplication(application), mTitle(std::move(title)), mLog(std::move(log)) {}

void CallTypes::readLibrary(IDispatch& application) {
    ComPtr<ITypeInfo> info;
    if (FAILED(application.GetTypeInfo(0, LOCALE_USER_DEFAULT, info.out())) || !info) {
        for (const KindInfo& kind : kinds) {
            if (kind.application == mApplication)
                fallBack(kind.kind, "gives no type information");
        }
        return;
    }
    const ComPtr<ITypeLib> library = libraryOf(*info);
    if (!library)
        return;
    mSource = libraryName(*library);
    for (const KindInfo& kind : kinds) {
        ComPtr<ITypeInfo> declared;
        if (kind.application != mApplication ||
            FAILED(library->GetTypeInfoOfGuid(kind.iid, declared.out())) || !declared)
            continue;
        const ComPtr<ITypeInfo> table = tablePart(*declared);
        readKind(kind.kind, table.get());
    }
}

bool CallTypes::meet(Kind kind, IDispatch& object) {
    const auto k = static_cast<std::size_t>(kind);
    if (mThroughDispatch[k])
        return *mThroughDispatch[k];
    const GUID& iid = kindInfo(kind).iid;
    ComPtr<ITypeInfo> info;
    bool through = false;
    if (SUCCEEDED(object.GetTypeInfo(0, LOCALE_USER_DEFAULT, info.out())) && info) {
        through = sameId(describedInterface(*info), iid);
        if (!mRead[k] && through) {
            const ComPtr<ITypeInfo> table = tablePart(*info);
            readKind(kind, table.get());
        } else if (!mRead[k]) {
            ComPtr<ITypeInfo> declared;
            const ComPtr<ITypeLib> library = libraryOf(*info);
            if (library && SUCCEEDED(library->GetTypeInfoOfGuid(iid, declared.out())) && declared) {
                const ComPtr<ITypeInfo> table = tablePart(*declared);
                readKind(kind, table.get());
            }
        }
    }
    if (!mRead[k])
        fallBack(kind, "gives no type information for " + std::string(kindInfo(kind).name));
    // Built-in types are only ever called through the interface's table, as before there
    // was type information to go by.
    for (const OperationInfo& operation : operations) {
        if (operation.kind == kind && signature(operation.operation).builtIn)
            through = false;
    }
    mThroughDispatch[k] = through;
    refuseMisfits();
    return through;
}

const Signature& CallTypes::signature(Operation operation) const {
    return *mSignatures[static_cast<std::size_t>(operation)];
}

std::vector<std::string> CallTypes::refusals() const {
    std::vector<std::string> found;
    for (const OperationInfo& operation : operations) {
        const auto& signature = mSignatures[static_cast<std::size_t>(operation.operation)];
        if (!signature || signature->problem.empty())
            continue;
        found.push_back(std::string(kindInfo(operation.kind).name) + " slot " +
                        std::to_string(operation.slot) + " is `" + signature->declaration +
                        "`, not " + operation.expected + ": " + signature->problem);
    }
    return found;
}

void CallTypes::refuseMisfits() const {
    const std::vector<std::string> found = refusals();
    if (found.empty())
        return;
    std::string text = mTitle + " declares operations Sequate calls in a way it cannot call them";
    for (const std::string& refusal : found)
        text += "; " + refusal;
    text += ". Sequate has not called them, and renamed nothing.";
    throw HostFailure(typeMismatchCode, text);
}

void CallTypes::readKind(Kind kind, ITypeInfo* table) {
    if (!table) {
        fallBack(kind, "declares " + std::string(kindInfo(kind).name) +
                           " only for IDispatch, without its slots");
        return;
    }
    for (const OperationInfo& operation : operations) {
        if (operation.kind == kind)
            mSignatures[static_cast<std::size_t>(operation.operation)] =
                readSignature(*table, operation);
    }
    mRead[static_cast<std::size_t>(kind)] = true;
}

void CallTypes::fallBack(Kind kind, const std::string& why) {
    for (const OperationInfo& operation : operations) {
        if (operation.kind == kind)
            mSignatures[static_cast<std::size_t>(operation.operation)] =
                builtInSignature(operation);
    }
    mRead[static_cast<std::size_t>(kind)] = true;
    if (mSource.empty())
        mSource = "Sequate's built-in types, as " + mTitle + " " + why;
    if (mFellBack)
        return;
    mFellBack = true;
    if (mLog)
        mLog(mTitle + " " + why +
             ": Sequate calls it with its built-in types, which nobody has "
             "checked against this " +
             mTitle);
}

} // namespace sequate::host::com

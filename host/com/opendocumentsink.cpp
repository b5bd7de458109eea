#include "opendocumentsink.h"

#include "automationids.h"
#include "comlogic.h"

#include <ocidl.h>

namespace sequate::host::com {

namespace {

// The sinks of this thread that have notifications to hand over, in the order they came in.
thread_local EventReceivers<OpenDocumentSink*> connectedSinks;

// OpenDocument is the first member of the event interface; its dispatch identifier is read
// from the application's type library where there is one.
DISPID firstEventMember(const ComPtr<IUnknown>& application) {
    ComPtr<IDispatch> dispatch;
    ComPtr<ITypeInfo> info;
    ComPtr<ITypeLib> library;
    ComPtr<ITypeInfo> events;
    UINT index = 0;
    FUNCDESC* first = nullptr;
    if (FAILED(application->QueryInterface(IID_IDispatch, dispatch.outVoid())) ||
        FAILED(dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.out())) ||
        FAILED(info->GetContainingTypeLib(library.out(), &index)) ||
        FAILED(library->GetTypeInfoOfGuid(iidLogicApplicationEvents, events.out())) ||
        FAILED(events->GetFuncDesc(0, &first)))
        return 1;
    const DISPID member = first->memid;
    events->ReleaseFuncDesc(first);
    return member;
}

} // namespace

OpenDocumentSink::OpenDocumentSink(std::shared_ptr<ComHost> host,
                                   const ComPtr<IUnknown>& application)
    : mHost(std::move(host)), mOpenDocument(firstEventMember(application)) {
    ComPtr<IConnectionPointContainer> container;
    HRESULT result =
        application->QueryInterface(IID_IConnectionPointContainer, container.outVoid());
    if (SUCCEEDED(result))
        result = container->FindConnectionPoint(iidLogicApplicationEvents, mPoint.out());
    if (SUCCEEDED(result))
        result = mPoint->Advise(static_cast<IDispatch*>(this), &mCookie);
    if (FAILED(result)) {
        mPoint.reset();
        throwCallFailure(*mHost, result, "LogicApplication (advising the notifications)");
    }
    connectedSinks.add(this);
}

OpenDocumentSink::~OpenDocumentSink() = default;

void OpenDocumentSink::add(LogicApplicationEvents* sink) {
    mSinks.add(sink);
}

void OpenDocumentSink::remove(LogicApplicationEvents* sink) {
    mSinks.remove(sink);
}

void OpenDocumentSink::disconnect() {
    connectedSinks.remove(this);
    {
        std::lock_guard lock(mQueueMutex);
        mQueued.clear();
    }
    mSinks.clear();
    // A server that went away cannot be told; its end is gone with it.
    if (mPoint)
        mPoint->Unadvise(mCookie);
    mPoint.reset();
}

std::size_t OpenDocumentSink::deliverQueued() {
    std::size_t delivered = 0;
    connectedSinks.notify([&](OpenDocumentSink* sink) { delivered += sink->deliver(); });
    return delivered;
}

std::size_t OpenDocumentSink::deliver() {
    AddRef();
    std::size_t delivered = 0;
    for (;;) {
        ComPtr<IUnknown> document;
        {
            std::lock_guard lock(mQueueMutex);
            if (mQueued.empty())
                break;
            document = std::move(mQueued.front());
            mQueued.pop_front();
        }
        std::shared_ptr<LogicDocument> doc;
        try {
            ComPtr<IDispatch> dispatch;
            if (FAILED(document->QueryInterface(IID_IDispatch, dispatch.outVoid())) || !dispatch)
                continue;
            doc = std::make_shared<ComLogicDocument>(mHost, std::move(dispatch));
        } catch (const HostFailure&) {
            continue; // not a document: nothing to hand over
        }
        mSinks.notify([&](LogicApplicationEvents* sink) { sink->OpenDocument(doc); });
        ++delivered;
    }
    Release();
    return delivered;
}

HRESULT OpenDocumentSink::QueryInterface(REFIID iid, void** out) {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == iidLogicApplicationEvents) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG OpenDocumentSink::AddRef() {
    return ++mReferences;
}

ULONG OpenDocumentSink::Release() {
    const ULONG left = --mReferences;
    if (left == 0)
        delete this;
    return left;
}

HRESULT OpenDocumentSink::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT OpenDocumentSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    *info = nullptr;
    return E_NOTIMPL;
}

HRESULT OpenDocumentSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT OpenDocumentSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters,
                                 VARIANT*, EXCEPINFO*, UINT*) {
    if (member != mOpenDocument || !mPoint)
        return S_OK;
    if (!parameters || parameters->cArgs < 1)
        return DISP_E_BADPARAMCOUNT;
    VARIANT& document = parameters->rgvarg[parameters->cArgs - 1];
    IUnknown* object = nullptr;
    if (document.vt == VT_DISPATCH || document.vt == VT_UNKNOWN)
        object = document.punkVal;
    else if (document.vt == (VT_DISPATCH | VT_BYREF) && document.ppdispVal)
        object = *document.ppdispVal;
    if (object) {
        std::lock_guard lock(mQueueMutex);
        mQueued.push_back(ComPtr<IUnknown>::share(object));
    }
    return S_OK;
}

} // namespace sequate::host::com

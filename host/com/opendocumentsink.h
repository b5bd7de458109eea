#pragma once

// The sink for one PowerLogic's notifications, advised at its connection point for the event
// interface. A notification is only queued when it comes in, even in the middle of a call;
// deliverNotifications() hands it to the advised host sinks later, between user actions.

#include "comconnection.h"
#include "host/eventreceivers.h"
#include "host/powerlogic.h"

#include <atomic>
#include <deque>
#include <mutex>
#include <ocidl.h>

namespace sequate::host::com {

class OpenDocumentSink final : public IDispatch {
public:
    // Advises at application's connection point; throws HostFailure when it cannot.
    OpenDocumentSink(std::shared_ptr<ComHost> host, const ComPtr<IUnknown>& application);

    void add(LogicApplicationEvents* sink);
    void remove(LogicApplicationEvents* sink);
    bool empty() const { return mSinks.empty(); }
    // Unadvises; the object goes once COM lets go of it too.
    void disconnect();

    static std::size_t deliverQueued();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters,
                                     VARIANT*, EXCEPINFO*, UINT*) override;

private:
    ~OpenDocumentSink();
    std::size_t deliver();

    std::atomic<ULONG> mReferences = 1;
    std::shared_ptr<ComHost> mHost;
    ComPtr<IConnectionPoint> mPoint;
    DWORD mCookie = 0;
    DISPID mOpenDocument = 1;
    EventReceivers<LogicApplicationEvents*> mSinks;
    // A thread that was in the multithreaded apartment already gets notifications on COM's
    // threads.
    std::mutex mQueueMutex;
    std::deque<ComPtr<IUnknown>> mQueued;
};

} // namespace sequate::host::com

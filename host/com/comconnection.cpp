#include "comconnection.h"

#include "droppedobjects.h"
#include "opendocumentsink.h"

#include <windows.h>

namespace sequate::host::com {

namespace {

// Waits for the answer of an outgoing call and cancels it when the time is up. COM asks it
// whenever a message is posted during the wait; the apartment's watch makes sure one is.
class WaitingFilter final : public IMessageFilter {
public:
    explicit WaitingFilter(int timeoutMs) : mTimeoutMs(static_cast<DWORD>(timeoutMs)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IMessageFilter) {
            *out = static_cast<IMessageFilter*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++mReferences; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --mReferences;
        if (left == 0)
            delete this;
        return left;
    }
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override {
        return SERVERCALL_ISHANDLED;
    }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD elapsedMs, DWORD) override {
        // A busy application is asked again until the time is up.
        return elapsedMs < mTimeoutMs ? 100 : static_cast<DWORD>(-1);
    }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD elapsedMs, DWORD) override {
        return elapsedMs >= mTimeoutMs ? PENDINGMSG_CANCELCALL : PENDINGMSG_WAITNOPROCESS;
    }

private:
    DWORD mTimeoutMs;
    ULONG mReferences = 1;
};

constexpr HRESULT callCancelled = RPC_E_CALL_CANCELED;

bool serverGone(HRESULT result) {
    switch (static_cast<std::uint32_t>(result)) {
    case 0x80010108: // RPC_E_DISCONNECTED
    case 0x800706BA: // RPC_S_SERVER_UNAVAILABLE
    case 0x80010007: // RPC_E_SERVER_DIED
    case 0x80010012: // RPC_E_SERVER_DIED_DNE
    case 0x800706BE: // RPC_S_CALL_FAILED
    case 0x800706BF: // RPC_S_CALL_FAILED_DNE
    case 0x800401FD: // CO_E_OBJNOTCONNECTED
        return true;
    default:
        return false;
    }
}

} // namespace

std::string hostText() {
    ComPtr<IErrorInfo> info;
    if (::GetErrorInfo(0, info.out()) != S_OK || !info)
        return {};
    Bstr description;
    if (FAILED(info->GetDescription(description.out())))
        return {};
    return utf8FromWide(description.view());
}

Apartment::Apartment(int timeoutMs) {
    const HRESULT result = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // A thread that is already in a multithreaded apartment stays there, without the filter.
    mInitialized = SUCCEEDED(result);
    if (!mInitialized)
        return;
    mFilter = ComPtr<IMessageFilter>::adopt(new WaitingFilter(timeoutMs));
    ::CoRegisterMessageFilter(mFilter.get(), mPreviousFilter.out());
    // A timer would not do: the wait of a call wakes for posted messages only.
    mWatch = std::thread([this, thread = ::GetCurrentThreadId()] {
        std::unique_lock lock(mWatchMutex);
        while (!mWatchStop.wait_for(lock, std::chrono::milliseconds(100),
                                    [this] { return mStopping; })) {
            if (mCallsUnderWay > 0)
                ::PostThreadMessageW(thread, WM_NULL, 0, 0);
        }
    });
}

Apartment::~Apartment() {
    releaseAllDropped();
    if (!mInitialized)
        return;
    {
        std::lock_guard lock(mWatchMutex);
        mStopping = true;
    }
    mWatchStop.notify_one();
    mWatch.join();
    ComPtr<IMessageFilter> ours;
    ::CoRegisterMessageFilter(mPreviousFilter.get(), ours.out());
    mFilter.reset();
    mPreviousFilter.reset();
    ::CoUninitialize();
}

// The call's name goes to the trace, not into the text: that is for a message to the user.
void throwCallFailure(const ComHost& host, HRESULT result, [[maybe_unused]] const std::string& call,
                      std::string text) {
    if (result == callCancelled || result == RPC_E_CALL_REJECTED || result == RPC_E_TIMEOUT)
        throw HostFailure(HostCode::Timeout, host.title + " did not answer within " +
                                                 std::to_string(host.timeoutMs) + " ms");
    if (serverGone(result))
        throw HostFailure(HostCode::ServerUnavailable, host.title + " went away during a call");
    const auto code = static_cast<HostCode>(static_cast<std::uint32_t>(result));
    if (text.empty())
        text = hostText();
    if (text.empty())
        text = host.title + " could not take the call";
    throw HostFailure(code, text);
}

std::size_t deliverNotifications() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return OpenDocumentSink::deliverQueued();
}

} // namespace sequate::host::com

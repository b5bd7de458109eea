#pragma once

// One attached application over COM and the calls into its objects. Every call goes through
// the interface identifier and the slot of the operation, never through names, so that it
// reaches the same code in the real application and in the simulator.
//
// The calling thread is a single-threaded apartment. While a call waits for its answer, COM
// only lets the message filter decide on waiting: notifications that come in are queued
// (deliverNotifications() hands them over), so none reaches Sequate in the middle of a pass,
// and a call that gets no answer within the time limit is cancelled.

#include "comhandles.h"
#include "host/hostfailure.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace sequate::host::com {

// COM on this thread, for as long as any object of any attached application lives.
class Apartment {
public:
    explicit Apartment(int timeoutMs);
    ~Apartment();
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;

    // While a call is under way, the thread is woken now and then so that the message filter
    // can see how long the call has waited.
    class CallUnderWay {
    public:
        explicit CallUnderWay(Apartment& apartment) : mApartment(apartment) {
            ++mApartment.mCallsUnderWay;
        }
        ~CallUnderWay() { --mApartment.mCallsUnderWay; }
        CallUnderWay(const CallUnderWay&) = delete;
        CallUnderWay& operator=(const CallUnderWay&) = delete;

    private:
        Apartment& mApartment;
    };

private:
    bool mInitialized = false;
    ComPtr<IMessageFilter> mFilter;
    ComPtr<IMessageFilter> mPreviousFilter;
    std::atomic<int> mCallsUnderWay = 0;
    std::mutex mWatchMutex;
    std::condition_variable mWatchStop;
    bool mStopping = false;
    std::thread mWatch;
};

struct ComHost {
    std::shared_ptr<Apartment> apartment;
    std::string title; // "PowerLogic", "PowerPCB": names the application in messages
    int timeoutMs;
};

// The failure of a call that ended with result, as the host interfaces report it: the host's
// own code and text (its IErrorInfo) where it gave them; a server gone or not answering as the
// same codes the other bindings use.
[[noreturn]] void throwCallFailure(const ComHost& host, HRESULT result, const std::string& call);

class ComObject {
public:
    // Throws HostFailure (HostCode::NoInterface) when object does not have the interface.
    ComObject(std::shared_ptr<ComHost> host, const ComPtr<IUnknown>& object, const IID& iid,
              const char* kind);

protected:
    const std::shared_ptr<ComHost>& host() const { return mHost; }
    IUnknown* object() const { return mInterface.get(); }

    // The operation at slot of the object's interface, with the arguments as they are passed.
    template <typename... Args>
    void call(int slot, const char* operation, Args... args) {
        using Entry = HRESULT(STDMETHODCALLTYPE*)(IUnknown*, Args...);
        IUnknown* self = mInterface.get();
        const auto entry = reinterpret_cast<Entry>((*reinterpret_cast<void***>(self))[slot]);
        const Apartment::CallUnderWay underWay(*mHost->apartment);
        // The text of an earlier failure must not pass for this call's.
        ::SetErrorInfo(0, nullptr);
        const HRESULT result = entry(self, args...);
        if (FAILED(result))
            fail(result, operation);
    }
    // An operation that gives an object: nullptr for "no object".
    template <typename Proxy, typename... Args>
    std::shared_ptr<Proxy> callObject(int slot, const char* operation, Args... args) {
        ComPtr<IDispatch> result;
        call(slot, operation, args..., result.out());
        if (!result)
            return nullptr;
        return std::make_shared<Proxy>(mHost, ComPtr<IUnknown>::share(result.get()));
    }
    std::string callString(int slot, const char* operation);
    std::int32_t callCount(int slot, const char* operation);

    [[noreturn]] void fail(HRESULT result, const char* operation) const;

private:
    std::shared_ptr<ComHost> mHost;
    ComPtr<IUnknown> mInterface;
    std::string mKind;
};

// Hands the notifications queued on this thread to their sinks; returns how many. Plays the
// part of the event loop for programs that have none.
std::size_t deliverNotifications();

} // namespace sequate::host::com

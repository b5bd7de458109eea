#pragma once

// One attached application over COM: the apartment its calls wait in, the types its calls
// are made with, and how a failed call is reported.
//
// The calling thread is a single-threaded apartment. While a call waits for its answer, COM
// only lets the message filter decide on waiting: notifications that come in are queued
// (deliverNotifications() hands them over), so none reaches Sequate in the middle of a pass,
// and a call that gets no answer within the time limit is cancelled.

#include "calltypes.h"
#include "comhandles.h"
#include "host/calltrace.h"
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
    CallTypes types;
    std::shared_ptr<CallTrace> trace; // none unless asked for
};

// The failure of a call that ended with result, as the host interfaces report it: the host's
// own code and text (the given one, else its IErrorInfo) where it gave them; a server gone or
// not answering as the same codes the other bindings use.
[[noreturn]] void throwCallFailure(const ComHost& host, HRESULT result, const std::string& call,
                                   std::string text = {});
// The host's text of the failure of the call just made (its IErrorInfo), or empty.
std::string hostText();

// Hands the notifications queued on this thread to their sinks; returns how many. Plays the
// part of the event loop for programs that have none.
std::size_t deliverNotifications();

} // namespace sequate::host::com

#pragma once

// The parts every object of the COM simulator shares: reference counting, IDispatch answered
// from the type library, and the guard around each operation, which plays the test-only faults
// and turns a failure of the simulated host into its HRESULT with the host's text.

#include "host/hostfailure.h"
#include "host/sim/callfaults.h"
#include "hosts.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

namespace sequate::comsim {

// The faults of the calls, and the user who opens a document in the middle of one.
struct TestPlan {
    host::sim::FaultPlan faults;
    // Acts as the user who opens document openIndex when this call comes in.
    std::optional<std::uint64_t> openDocumentAtCall;
    std::size_t openIndex = 0;
};

// What the objects say of themselves through IDispatch::GetTypeInfo.
enum class SelfDescription {
    Declared, // the interface as the declared library gives it
    Foreign,  // a dispatch interface that is not the object's interface
    None,     // no type information at all
};

// The simulator's state that its objects reach: the loaded type libraries and the calls made.
class Served {
public:
    // The objects are built on the native library (hosts.idl); declared is what they tell
    // clients they are, the native one or a library declaring the same slots otherwise.
    static void setup(ITypeLib* native, ITypeLib* declared, SelfDescription self, TestPlan plan);
    // The native type information, which Invoke goes by.
    static ITypeInfo* typeInfo(const IID& iid);
    // What GetTypeInfo answers; null for none.
    static ITypeInfo* describedTypeInfo(const IID& iid);
    // An Invoke's result turned into the type the declared library gives it, as an
    // application that declares it so would answer.
    static void declareResult(const IID& iid, DISPID member, VARIANT* result);
    // Count the call and play what the plan has for it, before it runs and once it has; a
    // failure comes as HostFailure.
    static void beforeCall();
    static void afterEffect();
    static bool answersNoObject();
    static std::optional<std::size_t> takeOpenDocument();
    // The failure as an HRESULT, with its text for IErrorInfo.
    static HRESULT failed(const host::HostFailure& failure, const IID& iid);
};

// Tells clients that every interface of its object gives the host's text for a failure.
class ErrorInfoSupport final : public ISupportErrorInfo {
public:
    explicit ErrorInfoSupport(IUnknown* outer) : mOuter(outer) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        return mOuter->QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return mOuter->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return mOuter->Release(); }
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID) override { return S_OK; }

private:
    IUnknown* mOuter;
};

template <typename Interface>
class ServedObject : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(Interface)) {
            *out = static_cast<Interface*>(this);
            this->AddRef();
            return S_OK;
        }
        if (iid == IID_ISupportErrorInfo) {
            *out = static_cast<ISupportErrorInfo*>(&mErrorInfoSupport);
            this->AddRef();
            return S_OK;
        }
        return otherInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++mReferences; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --mReferences;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = Served::describedTypeInfo(__uuidof(Interface)) ? 1 : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        *info = Served::describedTypeInfo(__uuidof(Interface));
        if (!*info)
            return E_NOTIMPL;
        (*info)->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        return ::DispGetIDsOfNames(Served::typeInfo(__uuidof(Interface)), names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception,
                                     UINT* badArgument) override {
        const HRESULT outcome =
            ::DispInvoke(static_cast<Interface*>(this), Served::typeInfo(__uuidof(Interface)),
                         member, flags, params, result, exception, badArgument);
        if (SUCCEEDED(outcome))
            Served::declareResult(__uuidof(Interface), member, result);
        return outcome;
    }
    virtual ~ServedObject() = default;

protected:
    virtual HRESULT otherInterface(REFIID, void** out) {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // Runs one operation of the simulated host.
    template <typename Body>
    HRESULT guard(Body&& body) {
        try {
            Served::beforeCall();
            body();
            Served::afterEffect();
            return S_OK;
        } catch (const host::HostFailure& failure) {
            return Served::failed(failure, __uuidof(Interface));
        }
    }
    // Runs an operation that gives an object, made by make as a served object.
    template <typename Make>
    HRESULT guardObject(IDispatch** out, Make&& make) {
        *out = nullptr;
        return guard([&] {
            IDispatch* made = make();
            if (made && Served::answersNoObject()) {
                made->Release();
                made = nullptr;
            }
            *out = made;
        });
    }

private:
    std::atomic<ULONG> mReferences = 1;
    ErrorInfoSupport mErrorInfoSupport{static_cast<Interface*>(this)};
};

// The slots of operations that Sequate never calls.
#define SEQUATE_UNUSED_SLOT(n)                                                                     \
    HRESULT STDMETHODCALLTYPE Unused##n() override {                                               \
        return E_NOTIMPL;                                                                          \
    }

} // namespace sequate::comsim

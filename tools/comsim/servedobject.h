#pragma once

// The parts every object of the COM simulator shares: reference counting, IDispatch answered
// from the type library, and the guard around each operation, which plays the test-only faults
// and turns a failure of the simulated host into its HRESULT with the host's text.

#include "host/hostfailure.h"
#include "hosts.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace sequate::comsim {

struct FaultPlan {
    std::optional<std::uint64_t> exitAtCall;
    std::optional<std::uint64_t> hangAtCall;
    unsigned hangMs = 10000;
    std::optional<std::uint64_t> failAtCall;
    HRESULT failCode = E_FAIL;
    std::set<std::uint64_t> noObjectAtCalls;
    // Acts as the user who opens document openIndex when this call comes in.
    std::optional<std::uint64_t> openDocumentAtCall;
    std::size_t openIndex = 0;
};

// The simulator's state that its objects reach: the loaded type library and the calls made.
class Served {
public:
    static void setup(ITypeLib* library, FaultPlan plan);
    static ITypeInfo* typeInfo(const IID& iid);
    // Counts the call and plays what the plan has for it; a failure to return is its HRESULT.
    static std::optional<HRESULT> beforeCall();
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
        *count = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        *info = Served::typeInfo(__uuidof(Interface));
        if (!*info)
            return E_FAIL;
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
        return ::DispInvoke(static_cast<Interface*>(this), Served::typeInfo(__uuidof(Interface)),
                            member, flags, params, result, exception, badArgument);
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
        if (const auto fault = Served::beforeCall())
            return *fault;
        try {
            body();
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

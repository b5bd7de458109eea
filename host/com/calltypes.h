#pragma once

// The types of every operation Sequate calls in one application, as the application's own
// type information declares them: read once from its type library when Sequate attaches, and
// for each kind of object the first time one is met, which also tells whether the object's
// IDispatch is the kind's interface (then calls go through IDispatch::Invoke, which needs no
// QueryInterface) or not (then through the interface's table).

#include "host/hostfailure.h"
#include "signature.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sequate::host::com {

// The code of a failure over types: an operation declared in a way Sequate cannot call, or a
// value that does not fit its declared type (DISP_E_TYPEMISMATCH).
inline constexpr HostCode typeMismatchCode = static_cast<HostCode>(0x80020005u);

class CallTypes {
public:
    using Log = std::function<void(const std::string&)>;

    CallTypes(Application application, std::string title, Log log);

    // Reads every kind of this application that the application object's type library
    // declares. An application without type information falls back on the built-in types,
    // said once in the log.
    void readLibrary(IDispatch& application);
    // The first object of a kind settles how its calls go and, for a kind the library did not
    // declare, reads its types; true when calls go through IDispatch::Invoke. Throws
    // HostFailure when a kind read here does not fit.
    bool meet(Kind kind, IDispatch& object);

    // Of an operation of a kind read.
    const Signature& signature(Operation operation) const;
    bool read(Kind kind) const { return mRead[static_cast<std::size_t>(kind)]; }
    // "LogicComponent slot 8 is `put_Value(VARIANT)`, not a method taking a name: ...", one
    // for each operation of the kinds read that Sequate cannot call.
    std::vector<std::string> refusals() const;
    // Throws HostFailure naming every refusal, when there is one.
    void refuseMisfits() const;
    // Where the types came from, for people.
    const std::string& source() const { return mSource; }

private:
    void readKind(Kind kind, ITypeInfo* table);
    void fallBack(Kind kind, const std::string& why);

    Application mApplication;
    std::string mTitle;
    Log mLog;
    std::array<std::optional<Signature>, operationCount> mSignatures;
    std::array<bool, kindCount> mRead{};
    std::array<std::optional<bool>, kindCount> mThroughDispatch;
    std::string mSource;
    bool mFellBack = false;
};

} // namespace sequate::host::com

#pragma once

// One object of an attached application and the calls into it. Every operation is called with
// the types the application declares for it (host->types): through the object's own
// IDispatch::Invoke when that is the operation's interface, which costs no QueryInterface,
// otherwise through the slot of the interface, asked for once per object.

#include "comconnection.h"

#include <functional>
#include <initializer_list>
#include <memory>

namespace sequate::host::com {

class ComObject {
public:
    // The first object of a kind reads how its kind is called; throws HostFailure when the
    // application declares the kind in a way Sequate cannot call.
    ComObject(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object, Kind kind);
    // The object is released later, while the window waits for input (droppedobjects.h).
    ~ComObject();
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

protected:
    using Arguments = std::initializer_list<std::reference_wrapper<Variant>>;

    const std::shared_ptr<ComHost>& host() const { return mHost; }
    IDispatch* dispatch() const { return mObject.get(); }

    // The operation with the arguments converted to the declared types; its result as the
    // application gave it.
    Variant perform(Operation operation, Arguments arguments = {});
    // The object's default member, which has no slot: reached through IDispatch, as a script
    // that reads the object as a value reaches it.
    Variant performDefault();

    std::string callText(Operation operation);
    std::int32_t callCount(Operation operation);
    bool callFlag(Operation operation);
    double callCoordinate(Operation operation, Arguments arguments);
    // An operation that gives an object: nullptr for "no object".
    template <typename Proxy>
    std::shared_ptr<Proxy> callObject(Operation operation, Arguments arguments = {}) {
        ComPtr<IDispatch> result = objectIn(perform(operation, arguments), operation);
        if (!result)
            return nullptr;
        return std::make_shared<Proxy>(mHost, std::move(result));
    }
    // The result read as the given type; a result that cannot be read so fails as the host's.
    Variant& readAs(Variant& result, VARTYPE type, const std::string& call, const char* what);

private:
    ComPtr<IDispatch> objectIn(Variant result, Operation operation);
    HRESULT invoke(MEMBERID member, WORD flags, VARIANT* arguments, std::size_t count,
                   Variant& result, std::string& text);
    HRESULT callSlot(int slot, const Signature& signature, VARIANT* arguments, std::size_t count,
                     Variant& result);
    // One call into the application, timed, traced and its failure thrown.
    Variant crossing(const std::string& call, const std::string& arguments,
                     const std::function<HRESULT(Variant&, std::string&)>& body);
    // Traces the call and throws its failure.
    void finish(const std::string& call, const std::string& arguments, HRESULT outcome,
                const Variant& result, std::string text, double milliseconds);

    std::shared_ptr<ComHost> mHost;
    ComPtr<IDispatch> mObject;
    ComPtr<IUnknown> mInterface; // asked for once, for calls through the slots
    Kind mKind;
    bool mThroughDispatch;
};

// A value as the call trace shows it: "R7" with its quotes, 12, true, object.
std::string traceText(const VARIANT& value);

} // namespace sequate::host::com

#include "comobject.h"

#include "droppedobjects.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace sequate::host::com {

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

HostFailure typeMismatch(const std::string& text) {
    return HostFailure(typeMismatchCode, text);
}

std::string callName(Kind kind, const OperationInfo& operation) {
    return std::string(kindInfo(kind).name) + '.' + operation.name;
}

std::string hexCode(HRESULT code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(code));
    return text;
}

} // namespace

std::string traceText(const VARIANT& value) {
    switch (value.vt) {
    case VT_EMPTY:
        return "nothing";
    case VT_NULL:
        return "null";
    case VT_BSTR:
        return '"' + utf8FromWide({value.bstrVal, ::SysStringLen(value.bstrVal)}) + '"';
    case VT_BOOL:
        return value.boolVal ? "true" : "false";
    case VT_DISPATCH:
    case VT_UNKNOWN:
        return value.punkVal ? "object" : "no object";
    default:
        break;
    }
    VARIANT text;
    ::VariantInit(&text);
    if (FAILED(::VariantChangeTypeEx(&text, const_cast<VARIANT*>(&value), LOCALE_INVARIANT, 0,
                                     VT_BSTR)))
        return typeName(value.vt);
    std::string shown = utf8FromWide({text.bstrVal, ::SysStringLen(text.bstrVal)});
    ::VariantClear(&text);
    return shown;
}

ComObject::ComObject(std::shared_ptr<ComHost> host, ComPtr<IDispatch> object, Kind kind)
    : mHost(std::move(host)), mObject(std::move(object)), mKind(kind),
      mThroughDispatch(mHost->types.meet(kind, *mObject.get())) {}

ComObject::~ComObject() {
    releaseLater(mInterface.detach());
    releaseLater(mObject.detach());
}

Variant ComObject::perform(Operation operation, Arguments arguments) {
    const OperationInfo& info = operationInfo(operation);
    const Signature& signature = mHost->types.signature(operation);
    const std::string call = callName(mKind, info);
    std::vector<VARIANT> passed;
    std::vector<Variant> converted(arguments.size());
    std::string shown;
    std::size_t i = 0;
    for (Variant& argument : arguments) {
        const VARTYPE type = signature.inputs[i];
        // A name is never read as a number: Item("12") must not become Item(12).
        const bool nameAsNumber = argument.get().vt == VT_BSTR && type != VT_BSTR;
        const HRESULT made =
            type == VT_VARIANT ? ::VariantCopy(converted[i].out(), &argument.get())
            : nameAsNumber     ? DISP_E_TYPEMISMATCH
                               : ::VariantChangeType(converted[i].out(), &argument.get(), 0, type);
        if (FAILED(made))
            throw typeMismatch(mHost->title + " declares input " + std::to_string(i + 1) + " of " +
                               call + " as " + typeName(type) + ", which cannot carry " +
                               traceText(argument.get()));
        passed.push_back(converted[i].get());
        shown += (i ? ", " : "") + traceText(argument.get());
        ++i;
    }
    return crossing(
        std::string(kindInfo(mKind).name) + " slot " + std::to_string(info.slot) + ' ' + info.name,
        shown, [&](Variant& result, std::string& text) {
            if (!mThroughDispatch)
                return callSlot(info.slot, signature, passed.data(), passed.size(), result);
            return invoke(signature.member,
                          signature.invoke == INVOKE_PROPERTYGET
                              ? DISPATCH_PROPERTYGET | DISPATCH_METHOD
                              : DISPATCH_METHOD,
                          passed.data(), passed.size(), result, text);
        });
}

Variant ComObject::performDefault() {
    return crossing(std::string(kindInfo(mKind).name) + " default member", {},
                    [&](Variant& result, std::string& text) {
                        return invoke(DISPID_VALUE, DISPATCH_PROPERTYGET, nullptr, 0, result, text);
                    });
}

Variant ComObject::crossing(const std::string& call, const std::string& arguments,
                            const std::function<HRESULT(Variant&, std::string&)>& body) {
    Variant result;
    std::string text;
    const auto start = Clock::now();
    HRESULT outcome;
    // Objects dropped since the last call go now: while a pass runs, the application holds no
    // more of them than it did; only those dropped after its last call wait for the window.
    releaseAllDropped();
    {
        const Apartment::CallUnderWay underWay(*mHost->apartment);
        // The text of an earlier failure must not pass for this call's.
        ::SetErrorInfo(0, nullptr);
        outcome = body(result, text);
    }
    finish(call, arguments, outcome, result, std::move(text), msSince(start));
    return result;
}

void ComObject::finish(const std::string& call, const std::string& arguments, HRESULT outcome,
                       const Variant& result, std::string text, double milliseconds) {
    if (FAILED(outcome) && text.empty())
        text = hostText();
    if (mHost->trace) {
        const std::string answered =
            FAILED(outcome) ? "failed " + hexCode(outcome) + (text.empty() ? "" : " " + text)
                            : traceText(result.get());
        mHost->trace->record(mHost->title, call, arguments, answered, milliseconds);
    }
    if (FAILED(outcome))
        throwCallFailure(*mHost, outcome, call, std::move(text));
}

HRESULT ComObject::invoke(MEMBERID member, WORD flags, VARIANT* arguments, std::size_t count,
                          Variant& result, std::string& text) {
    // IDispatch takes its arguments last first.
    std::vector<VARIANTARG> reversed(arguments, arguments + count);
    std::reverse(reversed.begin(), reversed.end());
    DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(count), 0};
    EXCEPINFO exception{};
    UINT badArgument = 0;
    HRESULT outcome = mObject->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                      result.out(), &exception, &badArgument);
    if (outcome == DISP_E_EXCEPTION) {
        if (exception.pfnDeferredFillIn)
            exception.pfnDeferredFillIn(&exception);
        Bstr source;
        Bstr description;
        Bstr help;
        *source.out() = exception.bstrSource;
        *description.out() = exception.bstrDescription;
        *help.out() = exception.bstrHelpFile;
        outcome = exception.scode ? exception.scode : E_FAIL;
        text = utf8FromWide(description.view());
    }
    return outcome;
}

HRESULT ComObject::callSlot(int slot, const Signature& signature, VARIANT* arguments,
                            std::size_t count, Variant& result) {
    if (!mInterface) {
        const KindInfo& kind = kindInfo(mKind);
        const HRESULT asked = mObject->QueryInterface(kind.iid, mInterface.outVoid());
        if (FAILED(asked) || !mInterface) {
            if (asked != E_NOINTERFACE)
                throwCallFailure(*mHost, asked, std::string(kind.name) + " (QueryInterface)");
            throw HostFailure(HostCode::NoInterface,
                              mHost->title + " gave an object that is not a " + kind.name);
        }
    }
    std::vector<VARTYPE> types(signature.inputs.begin(), signature.inputs.end());
    std::vector<VARIANTARG*> values;
    for (std::size_t i = 0; i < count; ++i)
        values.push_back(&arguments[i]);
    // The result comes back through a pointer to a place of its declared type.
    VARIANT answer;
    ::VariantInit(&answer);
    VARIANTARG back;
    ::VariantInit(&back);
    if (signature.result != VT_EMPTY) {
        back.vt = static_cast<VARTYPE>(VT_BYREF | signature.result);
        back.byref = signature.result == VT_VARIANT ? static_cast<void*>(&answer)
                                                    : static_cast<void*>(&answer.llVal);
        types.push_back(back.vt);
        values.push_back(&back);
    }
    VARIANT returned;
    ::VariantInit(&returned);
    HRESULT outcome = ::DispCallFunc(mInterface.get(), static_cast<ULONG_PTR>(slot) * sizeof(void*),
                                     CC_STDCALL, VT_ERROR, static_cast<UINT>(types.size()),
                                     types.data(), values.data(), &returned);
    if (SUCCEEDED(outcome))
        outcome = returned.scode;
    if (SUCCEEDED(outcome) && signature.result != VT_EMPTY && signature.result != VT_VARIANT)
        answer.vt = signature.result;
    *result.out() = answer;
    return outcome;
}

Variant& ComObject::readAs(Variant& result, VARTYPE type, const std::string& call,
                           const char* what) {
    if (result.get().vt != type &&
        FAILED(::VariantChangeType(&result.get(), &result.get(), 0, type)))
        throw typeMismatch(mHost->title + " answered " + call + " with " + traceText(result.get()) +
                           ", which is not " + what);
    return result;
}

std::string ComObject::callText(Operation operation) {
    Variant result = perform(operation);
    readAs(result, VT_BSTR, callName(mKind, operationInfo(operation)), "a text");
    return utf8FromWide({result.get().bstrVal, ::SysStringLen(result.get().bstrVal)});
}

std::int32_t ComObject::callCount(Operation operation) {
    Variant result = perform(operation);
    return readAs(result, VT_I4, callName(mKind, operationInfo(operation)), "a count").get().lVal;
}

bool ComObject::callFlag(Operation operation) {
    Variant result = perform(operation);
    return readAs(result, VT_BOOL, callName(mKind, operationInfo(operation)), "a flag")
               .get()
               .boolVal != VARIANT_FALSE;
}

double ComObject::callCoordinate(Operation operation, Arguments arguments) {
    Variant result = perform(operation, arguments);
    return readAs(result, VT_R8, callName(mKind, operationInfo(operation)), "a number")
        .get()
        .dblVal;
}

ComPtr<IDispatch> ComObject::objectIn(Variant result, Operation operation) {
    VARIANT& value = result.get();
    if (value.vt == VT_EMPTY || value.vt == VT_NULL)
        return {};
    if (value.vt == VT_DISPATCH)
        return ComPtr<IDispatch>::share(value.pdispVal);
    if (value.vt == VT_UNKNOWN) {
        ComPtr<IDispatch> dispatch;
        if (value.punkVal)
            value.punkVal->QueryInterface(IID_IDispatch, dispatch.outVoid());
        if (dispatch || !value.punkVal)
            return dispatch;
    }
    throw typeMismatch(mHost->title + " answered " + callName(mKind, operationInfo(operation)) +
                       " with " + traceText(value) + ", which is not an object");
}

} // namespace sequate::host::com

#include "comrunningobjects.h"

#include "comlogic.h"

#include <cstdio>
#include <optional>
#include <set>
#include <utility>

namespace sequate::host::com {

const wchar_t* classVariable(Application application) {
    return application == Application::PowerLogic ? L"SEQUATE_POWERLOGIC_CLASS"
                                                  : L"SEQUATE_POWERPCB_CLASS";
}

namespace {

// The class identifier the environment names for the application, if it names one. Only an
// identifier is taken, never a class name, so that the variable cannot lead through the
// registry.
std::optional<CLSID> classInEnvironment(Application application, const std::string& what) {
    wchar_t text[64] = L"";
    const DWORD length = ::GetEnvironmentVariableW(classVariable(application), text, 64);
    if (length == 0)
        return std::nullopt;
    CLSID id{};
    if (length >= 64 || FAILED(::IIDFromString(text, &id)))
        throw HostFailure(HostCode::NotRunning, what + utf8FromWide(classVariable(application)) +
                                                    " is not a class identifier in braces");
    return id;
}

} // namespace

ComRunningObjects::ComRunningObjects(int timeoutMs, CallTypes::Log log,
                                     std::shared_ptr<CallTrace> trace)
    : mApartment(std::make_shared<Apartment>(timeoutMs)), mTimeoutMs(timeoutMs),
      mTrace(std::move(trace)) {
    if (!log)
        log = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
    // An application attached again (PowerPCB for each hand-off) is not told of twice.
    mLog = [log = std::move(log),
            told = std::make_shared<std::set<std::string>>()](const std::string& line) {
        if (told->insert(line).second)
            log(line);
    };
}

std::shared_ptr<LogicApplication> ComRunningObjects::attachPowerLogic() {
    ComPtr<IDispatch> object;
    auto host = attach(Application::PowerLogic, object);
    host->types.refuseMisfits();
    return std::make_shared<ComLogicApplication>(host, std::move(object));
}

std::shared_ptr<PcbApplication> ComRunningObjects::attachPowerPcb() {
    ComPtr<IDispatch> object;
    auto host = attach(Application::PowerPcb, object);
    host->types.refuseMisfits();
    return std::make_shared<ComPcbApplication>(host, std::move(object));
}

std::shared_ptr<ComHost> ComRunningObjects::inspect(Application application) {
    ComPtr<IDispatch> object;
    return attach(application, object);
}

std::shared_ptr<ComHost> ComRunningObjects::attach(Application application,
                                                   ComPtr<IDispatch>& object) {
    const bool logic = application == Application::PowerLogic;
    const std::string title = logic ? "PowerLogic" : "PowerPCB";
    const std::wstring className = logic ? L"PowerLogic.Application" : L"PowerPCB.Application";
    auto host = std::make_shared<ComHost>(
        ComHost{mApartment, title, mTimeoutMs, CallTypes(application, title, mLog), mTrace});
    const std::string what = title + " is not running: ";
    const std::optional<CLSID> named = classInEnvironment(application, what);
    CLSID id = named.value_or(CLSID{});
    if (!named && FAILED(::CLSIDFromProgID(className.c_str(), &id)))
        throw HostFailure(HostCode::NotRunning,
                          what + "the class " + utf8FromWide(className) + " is not registered");
    ComPtr<IUnknown> running;
    if (FAILED(::GetActiveObject(id, nullptr, running.out())) || !running)
        throw HostFailure(
            HostCode::NotRunning,
            what +
                (named ? "the class " + utf8FromWide(classVariable(application)) + " names"
                       : utf8FromWide(className)) +
                " is not in the table of running objects");
    const HRESULT asked = running->QueryInterface(IID_IDispatch, object.outVoid());
    if (FAILED(asked) || !object)
        throwCallFailure(*host, asked, title + " (asked for its IDispatch)");
    host->types.readLibrary(*object.get());
    return host;
}

} // namespace sequate::host::com

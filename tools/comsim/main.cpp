// sequate-comsim: the simulated PowerLogic and PowerPCB served over COM, as the real ones are.
// It puts both applications in the table of running objects under class identifiers of its own
// and serves until its stop event is set (or it is ended). It writes nothing to the registry:
// its type library is read from the file beside it, and Sequate is pointed at its classes by the
// environment (simulatedclasses.h), so that the real applications' class names and interfaces
// stay as their installers registered them, even when the simulator is killed.

#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/statefile.h"
#include "host/utf8.h"
#include "servedhosts.h"
#include "servedobject.h"
#include "simulatedclasses.h"
#include "simulatorwindow.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace {

using namespace sequate;

constexpr const char* usage =
    "Usage: sequate-comsim [options] STATE.json\n"
    "The simulated PowerLogic and PowerPCB, served over COM.\n"
    "  --no-powerlogic        leave PowerLogic out of the table of running objects\n"
    "  --no-powerpcb          leave PowerPCB out of the table of running objects\n"
    "  --no-layout            PowerPCB runs with no layout open\n"
    "  --no-window            serve without the window that lists the open document\n"
    "  --ready-event NAME     set the named event once both are in the table\n"
    "  --stop-event NAME      serve until the named event is set\n"
    "  --save-on-exit FILE    write the hosts' state to FILE when told to stop\n"
    "  --classes              print the environment that points Sequate at the simulator\n"
    "  --types SET            the type library the objects tell clients they are: standard\n"
    "                         (hosts.idl), variant (the same slots with other but fitting\n"
    "                         types) or incompatible (a property put at LogicComponent slot 8\n"
    "                         and an extra input at LogicPlacement slot 18)\n"
    "  --foreign-dispatch     every object's IDispatch tells of another interface than its own\n"
    "  --no-type-info         the objects give no type information at all\n"
    "Test only, with automation calls counted over both applications from 1:\n"
    "  --exit-at-call K       end the program, as a crash would, when call K comes in\n"
    "  --hang-at-call K       stop answering when call K comes in, for --hang-ms MS (10000)\n"
    "  --fail-at-call K       fail call K with --fail-code HEX (0x80004005)\n"
    "  --fail-after-effect-at-call K  let call K take effect, then fail it with --fail-code\n"
    "  --no-object-at-call K  answer \"no object\" to call K if it gives an object\n"
    "  --open-document-at-call K  the user opens document --open-index I (0) at call K\n";

struct Options {
    std::string stateFile;
    bool powerLogic = true;
    bool powerPcb = true;
    bool layout = true;
    bool classes = false;
    bool window = true;
    std::wstring readyEvent;
    std::wstring stopEvent;
    std::string saveOnExit;
    std::string types = "standard";
    comsim::SelfDescription self = comsim::SelfDescription::Declared;
    comsim::TestPlan test;
};

std::uint64_t number(std::string_view option, const std::string& text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw std::invalid_argument(std::string(option) + ": not a number: \"" + text + "\"");
    return value;
}

Options parse(const std::vector<std::string>& arguments) {
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size())
                throw std::invalid_argument(option + ": needs a value");
            return arguments[++i];
        };
        if (option == "--no-powerlogic")
            options.powerLogic = false;
        else if (option == "--no-powerpcb")
            options.powerPcb = false;
        else if (option == "--no-layout")
            options.layout = false;
        else if (option == "--classes")
            options.classes = true;
        else if (option == "--no-window")
            options.window = false;
        else if (option == "--ready-event")
            options.readyEvent = host::wideFromUtf8(value());
        else if (option == "--stop-event")
            options.stopEvent = host::wideFromUtf8(value());
        else if (option == "--save-on-exit")
            options.saveOnExit = value();
        else if (option == "--types") {
            options.types = value();
            if (options.types != "standard" && options.types != "variant" &&
                options.types != "incompatible")
                throw std::invalid_argument("--types: not standard, variant or incompatible: \"" +
                                            options.types + "\"");
        } else if (option == "--foreign-dispatch")
            options.self = comsim::SelfDescription::Foreign;
        else if (option == "--no-type-info")
            options.self = comsim::SelfDescription::None;
        else if (option.starts_with("--") && host::sim::isFaultOption(option.substr(2)))
            host::sim::setFault(options.test.faults, option.substr(2), value());
        else if (option == "--open-document-at-call")
            options.test.openDocumentAtCall = number(option, value());
        else if (option == "--open-index")
            options.test.openIndex = number(option, value());
        else if (!option.starts_with("--") && options.stateFile.empty())
            options.stateFile = option;
        else
            throw std::invalid_argument("unknown option \"" + option + "\"");
    }
    if (options.stateFile.empty() && !options.classes)
        throw std::invalid_argument("no state file given");
    return options;
}

void check(HRESULT result, const char* what) {
    if (FAILED(result))
        throw std::runtime_error(std::string(what) + " failed with 0x" + [&] {
            char text[16];
            std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(result));
            return std::string(text);
        }());
}

// The table lives in the RPC service, which may still be starting when the simulator is.
HRESULT registerRunning(IUnknown* application, const GUID& id, DWORD& cookie) {
    HRESULT result = E_FAIL;
    for (int attempt = 0; attempt < 50; ++attempt) {
        result = ::RegisterActiveObject(application, id, ACTIVEOBJECT_STRONG, &cookie);
        if (result != HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE))
            break;
        ::Sleep(200);
    }
    return result;
}

std::filesystem::path programFolder() {
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

// Without a display the simulated applications still serve, as they do with --no-window.
std::optional<comsim::SimulatorWindow> showWindow(host::sim::SimPowerLogic& logic) {
    try {
        return std::optional<comsim::SimulatorWindow>(std::in_place, logic);
    } catch (const std::runtime_error& problem) {
        std::fprintf(stderr, "sequate-comsim: serving without a window: %s\n", problem.what());
        return std::nullopt;
    }
}

int serve(const Options& options) {
    auto state = host::sim::loadStateFile(options.stateFile);
    host::sim::SimPowerLogic logic(state.documents);
    host::sim::SimPowerPcb pcb(options.layout ? host::sim::startingLayout(state) : std::nullopt);

    const std::wstring library = (programFolder() / "sequate-hosts.tlb").wstring();
    ITypeLib* types = nullptr;
    check(::LoadTypeLibEx(library.c_str(), REGKIND_NONE, &types), "Loading the type library");
    ITypeLib* declared = types;
    if (options.types != "standard") {
        // The library the objects tell of, beside the native one that implements them.
        const std::wstring other =
            (programFolder() / ("sequate-hosts-" + options.types + ".tlb")).wstring();
        check(::LoadTypeLibEx(other.c_str(), REGKIND_NONE, &declared),
              "Loading the declared type library");
    }
    comsim::Served::setup(types, declared, options.self, options.test);

    IUnknown* served[2] = {};
    DWORD cookies[2] = {};
    if (options.powerLogic) {
        served[0] = comsim::servedPowerLogic(logic);
        check(registerRunning(served[0], CLSID_SimulatedPowerLogic, cookies[0]),
              "Registering PowerLogic as running");
    }
    if (options.powerPcb) {
        served[1] = comsim::servedPowerPcb(pcb.application());
        check(registerRunning(served[1], CLSID_SimulatedPowerPcb, cookies[1]),
              "Registering PowerPCB as running");
    }

    std::optional<comsim::SimulatorWindow> window =
        options.window ? showWindow(logic) : std::nullopt;
    HANDLE stop = options.stopEvent.empty()
                      ? ::CreateEventW(nullptr, TRUE, FALSE, nullptr)
                      : ::CreateEventW(nullptr, TRUE, FALSE, options.stopEvent.c_str());
    if (!options.readyEvent.empty()) {
        HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, options.readyEvent.c_str());
        ::SetEvent(ready);
        ::CloseHandle(ready);
    }
    std::fprintf(stderr, "sequate-comsim: serving\n");
    // Closing the window ends the simulated applications, as closing PowerLogic does.
    while (!window || !window->closed()) {
        const DWORD woken = ::MsgWaitForMultipleObjects(1, &stop, FALSE, INFINITE, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0)
            break;
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (window && window->handleKeys(message))
                continue;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
            if (const auto index = comsim::Served::takeOpenDocument())
                logic.openDocument(*index);
        }
        // Notifications go out between calls, as the application's event loop sends them.
        logic.processEvents();
    }
    for (int i = 0; i < 2; ++i) {
        if (served[i]) {
            ::RevokeActiveObject(cookies[i], nullptr);
            served[i]->Release();
        }
    }
    if (!options.saveOnExit.empty()) {
        host::sim::SimState finalState{logic.documents(), pcb.layout()};
        host::sim::saveStateFile(options.saveOnExit, finalState);
    }
    ::CloseHandle(stop);
    return 0;
}

// As a command prompt sets them: "set NAME=VALUE", one a line.
void printClasses() {
    for (const auto& [variable, value] : comsim::simulatedClasses())
        std::printf("set %s=%s\n", host::utf8FromWide(variable).c_str(),
                    host::utf8FromWide(value).c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(usage, stdout);
        return 0;
    }
    try {
        const Options options = parse(std::vector<std::string>(argv + 1, argv + argc));
        if (options.classes) {
            printClasses();
            return 0;
        }
        check(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), "Starting COM");
        const int status = serve(options);
        ::CoUninitialize();
        return status;
    } catch (const std::invalid_argument& problem) {
        std::fprintf(stderr, "sequate-comsim: %s\n%s", problem.what(), usage);
        return 2;
    } catch (const std::exception& problem) {
        std::fprintf(stderr, "sequate-comsim: %s\n", problem.what());
        return 1;
    }
}

#include "comsimprocess.h"

#include "host/sim/statefile.h"
#include "hosts.h"
#include "tools/comsim/simulatedclasses.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

// In oleaut32 since Windows Vista, but missing from mingw-w64's oleauto.h.
extern "C" HRESULT WINAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path,
                                                 OLECHAR* helpFolder);
extern "C" HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID library, WORD major, WORD minor,
                                                   LCID locale, SYSKIND kind);

namespace sequate::testing {

namespace {

// Built on Linux, the program's path is a Linux one; Wine sees the root as drive Z:.
std::wstring windowsPath(std::string path) {
    if (path.starts_with('/'))
        path = "Z:" + path;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return std::wstring(path.begin(), path.end());
}

std::wstring quoted(const std::string& argument) {
    return L"\"" + std::wstring(argument.begin(), argument.end()) + L"\"";
}

// Calls through an interface's table cross processes only where the interface is registered.
// The simulator registers nothing; a test that makes Sequate call so registers its type library
// in the test's own Wine prefix for as long as the simulator serves.
bool callsThroughTables(const std::vector<std::string>& options) {
    return std::ranges::any_of(options, [](const std::string& option) {
        return option == "--foreign-dispatch" || option == "--no-type-info";
    });
}

void registerInterfaces() {
    const std::wstring program = windowsPath(SEQUATE_COMSIM_PROGRAM);
    const std::wstring library =
        program.substr(0, program.find_last_of(L'\\') + 1) + L"sequate-hosts.tlb";
    ITypeLib* types = nullptr;
    if (FAILED(::LoadTypeLibEx(library.c_str(), REGKIND_NONE, &types)) ||
        FAILED(::RegisterTypeLibForUser(types, const_cast<wchar_t*>(library.c_str()), nullptr)))
        ADD_FAILURE() << "cannot register the simulator's type library for the test";
    if (types)
        types->Release();
}

std::wstring uniqueName(const wchar_t* what) {
    static std::atomic<int> made = 0;
    return std::wstring(L"sequate-comsim-") + what + L"-" +
           std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++made);
}

PROCESS_INFORMATION start(const std::vector<std::string>& options) {
    std::wstring line = L"\"" + windowsPath(SEQUATE_COMSIM_PROGRAM) + L"\"";
    for (const std::string& option : options)
        line += L" " + quoted(option);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        throw std::runtime_error("cannot start the COM simulator");
    return process;
}

} // namespace

std::string temporaryFile(const std::string& name) {
    static const std::filesystem::path folder = [] {
        const auto made = std::filesystem::temp_directory_path() /
                          ("sequate-comtest-" + std::to_string(::GetCurrentProcessId()));
        // Wine hands out the same process numbers run after run: start from an empty folder.
        std::filesystem::remove_all(made);
        std::filesystem::create_directories(made);
        return made;
    }();
    return (folder / name).string();
}

std::string writeStateFile(const host::sim::SimState& state, const std::string& name) {
    const std::string path = temporaryFile(name);
    host::sim::saveStateFile(path, state);
    return path;
}

ComSimProcess::ComSimProcess(const std::string& stateFile, const std::vector<std::string>& options,
                             Window window)
    : mSavedState(temporaryFile("final-" + std::to_string(::GetTickCount64()) + ".json")) {
    const std::wstring ready = uniqueName(L"ready");
    const std::wstring stop = uniqueName(L"stop");
    HANDLE readyEvent = ::CreateEventW(nullptr, TRUE, FALSE, ready.c_str());
    mStop = ::CreateEventW(nullptr, TRUE, FALSE, stop.c_str());
    std::vector<std::string> arguments = options;
    if (window == Window::None)
        arguments.push_back("--no-window");
    for (const auto& [option, value] :
         {std::pair{"--ready-event", ready}, std::pair{"--stop-event", stop}}) {
        arguments.push_back(option);
        arguments.push_back(std::string(value.begin(), value.end()));
    }
    arguments.push_back("--save-on-exit");
    arguments.push_back(mSavedState);
    arguments.push_back(stateFile);
    mRegistered = callsThroughTables(options);
    if (mRegistered)
        registerInterfaces();
    comsim::pointAtTheSimulator();
    mProcess = start(arguments);
    const HANDLE waitFor[2] = {readyEvent, mProcess.hProcess};
    const DWORD woken = ::WaitForMultipleObjects(2, waitFor, FALSE, 60000);
    ::CloseHandle(readyEvent);
    if (woken != WAIT_OBJECT_0)
        ADD_FAILURE() << "the COM simulator did not come up";
}

ComSimProcess::~ComSimProcess() {
    if (!ended()) {
        ::SetEvent(mStop);
        if (::WaitForSingleObject(mProcess.hProcess, 30000) != WAIT_OBJECT_0)
            ::TerminateProcess(mProcess.hProcess, 9);
    }
    ::CloseHandle(mProcess.hThread);
    ::CloseHandle(mProcess.hProcess);
    ::CloseHandle(mStop);
    if (mRegistered)
        ::UnRegisterTypeLibForUser(LIBID_SequateSimulatedHosts, 1, 0, 0, SYS_WIN64);
}

host::sim::SimState ComSimProcess::stop() {
    ::SetEvent(mStop);
    if (::WaitForSingleObject(mProcess.hProcess, 30000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the COM simulator did not stop";
        return {};
    }
    return host::sim::loadStateFile(mSavedState);
}

bool ComSimProcess::ended(DWORD waitMs) {
    return ::WaitForSingleObject(mProcess.hProcess, waitMs) == WAIT_OBJECT_0;
}

} // namespace sequate::testing

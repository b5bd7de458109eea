// sequate-with-simulator [STATE.json]: tries Sequate without PowerLogic. Starts the COM simulator
// on the schematic named (the installed sample when none is), waits until both simulated
// applications are in the table of running objects, runs Sequate pointed at them (the simulator's
// classes in its environment: nothing is registered, so the real PowerLogic stays what every other
// program finds), and stops the simulator once Sequate has ended. When the simulator does not come
// up, the box says why in its own words.

#include "host/utf8.h"
#include "tools/comsim/simulatedclasses.h"

#include <string>
#include <windows.h>

namespace {

std::wstring programFolder() {
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

// The schematic named on the command line, so that a generated one can be tried as easily as the
// sample.
std::wstring schematic(const std::wstring& folder) {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::wstring named = arguments && count > 1 ? arguments[1] : folder + L"sample.json";
    ::LocalFree(arguments);
    return named;
}

// Starts a program; what it writes to its standard error goes to errors, when given.
HANDLE start(std::wstring line, HANDLE errors = nullptr) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (errors) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdError = errors;
        startup.hStdOutput = errors;
    }
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, errors != nullptr,
                          CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process))
        return nullptr;
    ::CloseHandle(process.hThread);
    return process.hProcess;
}

// All that is left to read, once the writer has ended.
std::string readToEnd(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

int fail(const std::wstring& text) {
    ::MessageBoxW(nullptr, text.c_str(), L"Sequate", MB_OK | MB_ICONERROR);
    return 1;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::wstring folder = programFolder();
    const std::wstring suffix = std::to_wstring(::GetCurrentProcessId());
    const std::wstring readyName = L"sequate-with-simulator-ready-" + suffix;
    const std::wstring stopName = L"sequate-with-simulator-stop-" + suffix;
    HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
    HANDLE stop = ::CreateEventW(nullptr, TRUE, FALSE, stopName.c_str());
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE errorsRead = nullptr;
    HANDLE errorsWrite = nullptr;
    ::CreatePipe(&errorsRead, &errorsWrite, &inherited, 0);
    ::SetHandleInformation(errorsRead, HANDLE_FLAG_INHERIT, 0);
    HANDLE simulator = start(L"\"" + folder + L"sequate-comsim.exe\" --ready-event " + readyName +
                                 L" --stop-event " + stopName + L" \"" + schematic(folder) + L"\"",
                             errorsWrite);
    // Only the simulator writes to the pipe now, so that reading it ends when the simulator does.
    ::CloseHandle(errorsWrite);
    if (!simulator)
        return fail(L"The simulated PowerLogic (sequate-comsim.exe) could not be started.");
    const HANDLE waitFor[] = {ready, simulator};
    DWORD status = 1;
    if (::WaitForMultipleObjects(2, waitFor, FALSE, 60000) != WAIT_OBJECT_0) {
        ::TerminateProcess(simulator, 1);
        const std::string why = readToEnd(errorsRead);
        fail(L"The simulated PowerLogic did not come up" +
             (why.empty() ? std::wstring(L".") : L":\n\n" + sequate::host::wideFromUtf8(why)));
    } else {
        // What it writes while it serves has nobody to read it.
        ::CloseHandle(errorsRead);
        errorsRead = nullptr;
        sequate::comsim::pointAtTheSimulator();
        if (HANDLE sequate = start(L"\"" + folder + L"sequate.exe\"")) {
            ::WaitForSingleObject(sequate, INFINITE);
            ::GetExitCodeProcess(sequate, &status);
            ::CloseHandle(sequate);
        } else {
            fail(L"Sequate (sequate.exe) could not be started.");
        }
    }
    ::SetEvent(stop);
    if (::WaitForSingleObject(simulator, 30000) != WAIT_OBJECT_0)
        ::TerminateProcess(simulator, 1);
    if (errorsRead)
        ::CloseHandle(errorsRead);
    return static_cast<int>(status);
}

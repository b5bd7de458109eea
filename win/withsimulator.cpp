// sequate-with-simulator: tries Sequate without PowerLogic. Starts the COM simulator on the
// installed sample, waits until both simulated applications are in the table of running
// objects, runs Sequate, and stops the simulator once Sequate has ended, taking its class names
// away again.

#include <string>
#include <windows.h>

namespace {

std::wstring programFolder() {
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

HANDLE start(std::wstring line) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                          nullptr, &startup, &process))
        return nullptr;
    ::CloseHandle(process.hThread);
    return process.hProcess;
}

int fail(const wchar_t* text) {
    ::MessageBoxW(nullptr, text, L"Sequate", MB_OK | MB_ICONERROR);
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
    HANDLE simulator = start(L"\"" + folder + L"sequate-comsim.exe\" --ready-event " + readyName +
                             L" --stop-event " + stopName + L" \"" + folder + L"sample.json\"");
    if (!simulator)
        return fail(L"The simulated PowerLogic (sequate-comsim.exe) could not be started.");
    const HANDLE waitFor[] = {ready, simulator};
    DWORD status = 1;
    if (::WaitForMultipleObjects(2, waitFor, FALSE, 60000) != WAIT_OBJECT_0) {
        fail(L"The simulated PowerLogic did not come up.");
    } else if (HANDLE sequate = start(L"\"" + folder + L"sequate.exe\"")) {
        ::WaitForSingleObject(sequate, INFINITE);
        ::GetExitCodeProcess(sequate, &status);
        ::CloseHandle(sequate);
    } else {
        fail(L"Sequate (sequate.exe) could not be started.");
    }
    // Also when it never came up: one half started may already have registered itself.
    ::SetEvent(stop);
    if (::WaitForSingleObject(simulator, 30000) != WAIT_OBJECT_0)
        ::TerminateProcess(simulator, 1);
    // The simulator registered PowerLogic's and PowerPCB's class names for this user, over
    // the real applications' own: they go again, so that Sequate finds the real ones next.
    if (HANDLE unregister = start(L"\"" + folder + L"sequate-comsim.exe\" --unregister")) {
        ::WaitForSingleObject(unregister, 30000);
        ::CloseHandle(unregister);
    }
    return static_cast<int>(status);
}

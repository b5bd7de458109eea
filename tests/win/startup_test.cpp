// The program's start as Windows runs it, against the COM simulator: the window with its
// caption, or the message of start-up's refusal and the end with status 1.

#include "windowfixture.h"

#include <chrono>
#include <thread>

using namespace sequate;
using namespace sequate::testing;

namespace {

constexpr DWORD waitMs = 30000;

// Built on Linux, the program's path is a Linux one; Wine sees the root as drive Z:.
std::wstring windowsPath(std::string path) {
    if (path.starts_with('/'))
        path = "Z:" + path;
    std::replace(path.begin(), path.end(), '/', '\\');
    return win::wide(path);
}

class Program {
public:
    Program() {
        std::wstring line = L"\"" + windowsPath(SEQUATE_PROGRAM) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &mProcess))
            throw std::runtime_error("cannot start sequate.exe");
    }
    ~Program() {
        if (::WaitForSingleObject(mProcess.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(mProcess.hProcess, 99);
        ::CloseHandle(mProcess.hThread);
        ::CloseHandle(mProcess.hProcess);
    }

    // The program's first shown top-level window of the class, once there is one.
    HWND window(const std::string& className) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
        while (std::chrono::steady_clock::now() < deadline) {
            Search search{mProcess.dwProcessId, win::wide(className)};
            ::EnumWindows(&Program::visit, reinterpret_cast<LPARAM>(&search));
            if (search.found)
                return search.found;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return nullptr;
    }

    DWORD exitCode() const {
        DWORD code = 259;
        if (::WaitForSingleObject(mProcess.hProcess, waitMs) == WAIT_OBJECT_0)
            ::GetExitCodeProcess(mProcess.hProcess, &code);
        return code;
    }

private:
    struct Search {
        DWORD processId;
        std::wstring className;
        HWND found = nullptr;
    };
    static BOOL CALLBACK visit(HWND window, LPARAM searching) {
        auto& search = *reinterpret_cast<Search*>(searching);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        wchar_t name[64] = L"";
        ::GetClassNameW(window, name, 64);
        if (owner != search.processId || name != search.className || !::IsWindowVisible(window))
            return TRUE;
        search.found = window;
        return FALSE;
    }

    PROCESS_INFORMATION mProcess{};
};

} // namespace

TEST(Startup, ShowsTheDocumentInTheCaptionAndEndsWithStatusZeroWhenClosed) {
    ComSimProcess simulator(writeStateFile(ampState(), "start.json"));
    Program sequate;
    HWND window = sequate.window("frmRenPart");
    ASSERT_TRUE(window);
    EXPECT_EQ(win::windowText(window), "Sequate amp.sch");
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(sequate.exitCode(), 0u);
}

struct Refusal {
    std::vector<std::string> simulatorOptions;
    bool components;
    std::string text;
};

class RefusedStartup : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedStartup, SaysWhyUnderTheTitleSequateAndEndsWithStatusOne) {
    host::sim::SimState state = ampState();
    if (!GetParam().components)
        state.documents[0].components.clear();
    ComSimProcess simulator(writeStateFile(state, "refused.json"), GetParam().simulatorOptions);
    Program sequate;
    HWND box = sequate.window("#32770");
    ASSERT_TRUE(box);
    EXPECT_EQ(win::windowText(box), "Sequate");
    EXPECT_EQ(win::windowText(::GetDlgItem(box, 0xFFFF)), GetParam().text);
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(sequate.exitCode(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, RefusedStartup,
    ::testing::Values(Refusal{{"--no-powerlogic"}, true, "Are you sure Powerlogic is running ? "},
                      Refusal{{}, false, "You must load a project before running Sequate"}));

// The programs' start as Windows runs them, against the COM simulator: the window with its
// caption, or the message of start-up's refusal and the end with status 1; the launcher's
// message when the simulator does not come up; the installer's pages.

#include "windowfixture.h"

#include <chrono>
#include <filesystem>
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

std::wstring quoted(const std::string& path) {
    return L"\"" + windowsPath(path) + L"\"";
}

class Program {
public:
    explicit Program(std::wstring line = quoted(SEQUATE_PROGRAM)) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &mProcess))
            throw std::runtime_error("cannot start " + win::narrow(line));
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

// Which refusal is start-up's to decide (tests/engine); the program says it and ends.
TEST(Startup, ARefusedStartSaysWhyUnderTheTitleSequateAndEndsWithStatusOne) {
    ComSimProcess simulator(writeStateFile(ampState(), "refused.json"), {"--no-powerlogic"});
    Program sequate;
    HWND box = sequate.window("#32770");
    ASSERT_TRUE(box);
    EXPECT_EQ(win::windowText(box), "Sequate");
    EXPECT_EQ(win::windowText(::GetDlgItem(box, 0xFFFF)), "Are you sure Powerlogic is running ? ");
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(sequate.exitCode(), 1u);
}

// The simulator's own words say why it did not come up: here, a sample that is not there.
TEST(Startup, TheLauncherSaysWhyTheSimulatorDidNotComeUp) {
    const std::filesystem::path folder = temporaryFile("launcher");
    std::filesystem::create_directories(folder);
    for (const char* program : {SEQUATE_LAUNCHER_PROGRAM, SEQUATE_COMSIM_PROGRAM})
        std::filesystem::copy_file(std::filesystem::path(windowsPath(program)),
                                   folder / std::filesystem::path(program).filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    Program launcher(L"\"" + (folder / "sequate-with-simulator.exe").wstring() + L"\"");
    HWND box = launcher.window("#32770");
    ASSERT_TRUE(box);
    const std::string text = win::windowText(::GetDlgItem(box, 0xFFFF));
    EXPECT_TRUE(text.starts_with("The simulated PowerLogic did not come up:\n\nsequate-comsim: "))
        << text;
    EXPECT_NE(text.find("sample.json"), std::string::npos) << text;
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(launcher.exitCode(), 1u);
}

// The package's pages as a user goes through them: welcome, what to install (the simulated
// PowerLogic ticked), the finish page.
TEST(Startup, TheInstallerShowsItsPagesAndInstallsWhatIsChosen) {
    const auto click = [](HWND page, HWND button) {
        ::PostMessageW(page, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                       reinterpret_cast<LPARAM>(button));
    };
    const std::wstring package = quoted(SEQUATE_MSI);
    Program(L"msiexec /x " + package + L" /qn").exitCode();
    Program installer(L"msiexec /i " + package);
    for (const wchar_t* next :
         {L"&Next >", L"&The simulated PowerLogic", L"&Install", L"&Finish"}) {
        HWND page = nullptr;
        HWND button = nullptr;
        for (int tries = 0; !button && tries < 300; ++tries, ::Sleep(100)) {
            page = installer.window("MsiDialogCloseClass");
            button = page ? ::FindWindowExW(page, nullptr, L"Button", next) : nullptr;
        }
        ASSERT_TRUE(button) << win::narrow(next);
        click(page, button);
    }
    EXPECT_EQ(installer.exitCode(), 0u);
    wchar_t local[MAX_PATH] = L"";
    ::GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH);
    const auto installed = std::filesystem::path(local) / "Programs" / "Sequate";
    EXPECT_TRUE(std::filesystem::exists(installed / "sequate.exe"));
    EXPECT_TRUE(std::filesystem::exists(installed / "sequate-comsim.exe"));
    // A feature the page ticked is one the uninstall knows of, and removes.
    EXPECT_EQ(Program(L"msiexec /x " + package + L" /qn").exitCode(), 0u);
    EXPECT_FALSE(std::filesystem::exists(installed));
}

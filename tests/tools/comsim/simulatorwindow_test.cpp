// The COM simulator's window, as a user meets it under Wine: a selection made in its list is
// the one Sequate reads over COM, and a rename made over COM shows in the list.

#include "host/com/comrunningobjects.h"
#include "tests/host/com/comdocuments.h"
#include "tests/host/com/comsimprocess.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <windows.h>

using namespace sequate;
using namespace sequate::testing;

namespace {

class SimulatorWindow : public ::testing::Test {
protected:
    // The list of the simulator's window: the test's simulator is the only one running.
    HWND list() const {
        HWND window = ::FindWindowW(L"SequateSimulatedPowerLogic", nullptr);
        return window ? ::FindWindowExW(window, nullptr, L"ListBox", nullptr) : nullptr;
    }

    // A click on a line as the mouse makes it, handled before the call returns.
    void click(int line, WPARAM keys = 0) const {
        const auto height = static_cast<int>(::SendMessageW(list(), LB_GETITEMHEIGHT, 0, 0));
        const LPARAM at = MAKELPARAM(10, height * line + height / 2);
        ::SendMessageW(list(), WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
        ::SendMessageW(list(), WM_LBUTTONUP, keys, at);
    }

    std::wstring line(int index) const {
        wchar_t text[256] = L"";
        ::SendMessageW(list(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
        return text;
    }

    ComSimProcess sim{
        writeStateFile(bindingState(), "window.json"), {}, ComSimProcess::Window::Shown};
    host::com::ComRunningObjects objects;
};

TEST_F(SimulatorWindow, ASelectionMadeInTheListIsTheOneSequateReads) {
    ASSERT_NE(list(), nullptr);
    click(1);
    click(3, MK_CONTROL);
    const auto doc = objects.attachPowerLogic()->CurrentDocument();
    EXPECT_EQ(doc->Selection()->Count(), 2);
    const auto components = doc->ComponentSet()->Objects();
    std::vector<bool> selected;
    for (long i = 1; i <= components->Count(); ++i)
        selected.push_back(components->Item(i)->Selected());
    EXPECT_EQ(selected, (std::vector<bool>{false, true, false, true}));
}

// The window catches up a few times a second, hence the wait.
TEST_F(SimulatorWindow, ARenameShowsInTheList) {
    ASSERT_NE(list(), nullptr);
    EXPECT_EQ(line(1), L"C1\t(300, 1600.5)");
    objects.attachPowerLogic()->CurrentDocument()->ComponentSet()->Objects()->Item(2)->SetName(
        "C7");
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (line(1) != L"C7\t(300, 1600.5)" && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(line(1), L"C7\t(300, 1600.5)");
}

} // namespace

#pragma once

// The Windows window in the test's own process, over the COM simulator, with the dialogs
// answered by FakeDialogs, which remembers what was shown.

#include "host/com/comrunningobjects.h"
#include "host/sim/simstate.h"
#include "tests/host/com/comsimprocess.h"
#include "win/dialogs.h"
#include "win/launch.h"
#include "win/widetext.h"

#include <chrono>
#include <commctrl.h>
#include <deque>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <memory>

namespace sequate::testing {

class FakeDialogs : public win::Dialogs {
public:
    std::vector<std::string> messages;     // "critical | title | text", "exclamation | ...", ...
    std::vector<std::string> filters;      // one per save dialog shown
    std::vector<std::string> offeredNames; // one per save dialog shown
    std::deque<std::string> saveAnswers;   // none left: Cancel
    std::vector<std::string> opened;
    std::vector<std::string> questions;
    std::deque<bool> answers; // none left: the default answer
    std::function<void()> whileAsking;

    void showMessage(HWND, const ui::Message& message) override {
        static constexpr const char* icons[] = {"critical | ", "exclamation | ", "information | "};
        messages.push_back(icons[static_cast<int>(message.kind)] + message.title + " | " +
                           message.text);
    }
    bool ask(HWND, const ui::Question& question) override {
        questions.push_back(question.text);
        if (whileAsking)
            whileAsking();
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::string> chooseSaveFile(HWND, const std::string& filter,
                                              const std::string& = {},
                                              const std::string& offered = {}) override {
        filters.push_back(filter);
        offeredNames.push_back(offered);
        if (saveAnswers.empty())
            return std::nullopt;
        std::string answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    bool open(HWND, const std::string& target) override {
        opened.push_back(target);
        return openSucceeds;
    }
    bool openSucceeds = true;
};

// amp.sch with R1, C1, U1 and R2, nothing selected.
inline host::sim::SimState ampState() {
    using host::sim::ComponentData;
    return {{{"amp.sch",
              {ComponentData{"R1", false, {{100, 0}}}, ComponentData{"C1", false, {{200, 0}}},
               ComponentData{"U1", false, {{300, 0}}}, ComponentData{"R2", false, {{400, 0}}}}}},
            std::nullopt};
}

// The options that earlier tests left in this Wine prefix: each test starts as a first start.
inline void forgetRememberedOptions() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Sequate", 0, KEY_ALL_ACCESS, &key))
        return;
    wchar_t name[256];
    for (DWORD length = 256;
         !::RegEnumValueW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr); length = 256)
        ::RegDeleteValueW(key, name);
    ::RegCloseKey(key);
}

// amp.sch open in the COM simulator, and the window started on it.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        forgetRememberedOptions();
        start(ampState());
    }

    void start(const host::sim::SimState& state, const std::vector<std::string>& options = {}) {
        simulator = std::make_unique<ComSimProcess>(writeStateFile(state, "win.json"), options);
        objects = std::make_unique<host::com::ComRunningObjects>(
            5000, [](const std::string&) {}, nullptr);
        launched = win::launch(*objects, dialogs, [this](int status) { endedWith = status; });
        ASSERT_TRUE(launched.window) << (dialogs.messages.empty() ? "" : dialogs.messages[0]);
    }

    win::MainWindow& window() { return *launched.window; }
    HWND control(ui::Control control) { return window().control(control); }
    void click(HWND button) { ::SendMessageW(button, BM_CLICK, 0, 0); }
    void click(ui::Control control) { click(window().control(control)); }
    void type(HWND box, const std::string& text) { win::setWindowText(box, text); }
    void type(ui::Control control, const std::string& text) {
        type(window().control(control), text);
    }
    void choose(ui::MenuItem item) {
        ::SendMessageW(window().handle(), WM_COMMAND, MAKEWPARAM(win::menuId(item), 0), 0);
    }
    int listRows(win::NativeWindow& listWindow) {
        return static_cast<int>(
            ::SendMessageW(listWindow.child("lstNames"), LVM_GETITEMCOUNT, 0, 0));
    }
    // Ends the window first, and takes this thread's messages while the simulator stops: it
    // lets go of the window's notification sink, a call into this thread.
    std::vector<std::string> namesInTheSimulator() {
        launched = {};
        objects.reset();
        auto stopped = std::async(std::launch::async, [this] { return simulator->stop(); });
        while (stopped.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            MSG message;
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                ::DispatchMessageW(&message);
        }
        std::vector<std::string> names;
        for (const auto& document : stopped.get().documents)
            for (const auto& component : document.components)
                names.push_back(component.name);
        return names;
    }

    FakeDialogs dialogs;
    std::unique_ptr<ComSimProcess> simulator;
    std::unique_ptr<host::com::ComRunningObjects> objects;
    win::Launch launched;
    std::optional<int> endedWith;
};

} // namespace sequate::testing

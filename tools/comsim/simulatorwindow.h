#pragma once

// The simulated PowerLogic's window on Windows: the open document's components, one line each
// with its name and where its gates lie, selected as they are in the editor. Click, Shift+click
// and Ctrl+click in the list (or Select all) select components as a user does in PowerLogic,
// through the simulated editor, so that a selection waits while a pass is open. The window
// catches up with renames and passes a few times a second, from the thread that serves the
// calls: it never holds a call up for long.

#include "host/sim/editorview.h"
#include "host/sim/simpowerlogic.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include <windows.h>

namespace sequate::comsim {

class SimulatorWindow {
public:
    // Shows the window; throws std::runtime_error when there is no display to show it on.
    explicit SimulatorWindow(host::sim::SimPowerLogic& logic);
    ~SimulatorWindow();
    SimulatorWindow(const SimulatorWindow&) = delete;
    SimulatorWindow& operator=(const SimulatorWindow&) = delete;

    // Tab and the access keys between the list and the button; true when the message was the
    // window's and is handled.
    bool handleKeys(MSG& message);
    // The user closed the window: the simulated applications end, as PowerLogic does.
    bool closed() const { return mWindow == nullptr; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    void createControls();
    void placeControls();
    void refresh();
    bool showLines(const std::vector<host::sim::ComponentLine>& lines);
    void showSelection(bool redraw);
    void selectionMade();
    void selectAll();
    void select(const std::vector<std::size_t>& components);

    host::sim::SimPowerLogic& mLogic;
    HWND mWindow = nullptr;
    HWND mList = nullptr;
    HWND mSelectAll = nullptr;
    HWND mStatus = nullptr;
    HFONT mFont = nullptr;
    std::vector<host::sim::ComponentLine> mShownLines;
    std::vector<std::size_t> mShownSelection;
    std::string mShownTitle;
    std::string mShownStatus;
    std::uint64_t mSeenCalls = 0;
    bool mStale = true;
};

} // namespace sequate::comsim

#pragma once

// What the main window hears beyond its controls' own clicks, decided once for both views:
// the keys it takes from wherever the keyboard is, the frame's close button, and the
// program's end, which comes once however often it is asked for.

#include "dialogtexts.h"
#include "mainwindowlayout.h"
#include "mainwindowlogic.h"

#include <optional>
#include <string>

namespace sequate::ui {

enum class WindowKey { Enter, Escape, End };

// Greyed while a pass or a preview holds the window, as greyedDuringPass(ControlPlace) says
// of the controls: the menu items that would start another pass.
bool greyedDuringPass(MenuItem item);

// Help > Sequate Help: nothing when the page at `page` opened; else why not, with its place,
// telling a page that is not there from one the viewer could not open.
std::optional<Message> helpPageProblem(const std::string& page, bool exists, bool opened);

class MainWindowEvents {
public:
    explicit MainWindowEvents(MainWindowLogic& logic) : mLogic(logic) {}

    // As in a dialog: Enter presses the default button, Run, when it is enabled; Escape, and
    // the End key during a pass, ask whether to stop the pass under way. False when the key is
    // not the window's but the control's that has the keyboard.
    bool keyPressed(WindowKey key, bool defaultButtonEnabled);
    // The frame's close button: true when the window may close, the program having ended or
    // ending now; during a pass it asks whether to stop the pass, as End does.
    bool closeAsked();
    // True the first time only: the view then hides its windows and ends the program.
    bool programEnds();

private:
    MainWindowLogic& mLogic;
    bool mEnded = false;
};

} // namespace sequate::ui

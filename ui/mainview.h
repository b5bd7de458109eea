#pragma once

// What the window logic asks of a view of the main window: everything that needs a toolkit.
// The Qt window on Linux implements it, and the native window on Windows (win/mainwindow.h).

#include "dialogtexts.h"
#include "optionpanel.h"
#include "passtexts.h"
#include "progressdisplay.h"
#include "settingsstore.h"
#include "windowplace.h"

#include <optional>
#include <string>
#include <vector>

namespace sequate::ui {

class MainView {
public:
    virtual ~MainView() = default;

    // Old program: AlwaysOnTop.
    virtual void keepOnTop(bool onTop) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // Shows every option's state, enabled state, the boxes' texts and the order box's entries
    // (walkOrderEntries) and choice as they now are.
    virtual void showOptions(const OptionPanel& options) = 0;
    // Draws the progress bar at once: a pass does not return to the event loop until it ends.
    // Old program: prgbarEdistys.
    virtual void showProgress(BarPosition bar) = 0;
    // Called between the host calls of a pass, as often as ui::EventPump lets it: the window
    // handles the events waiting for it (repaints, End, Escape, closing) and returns.
    virtual void handleWaitingEvents() = 0;
    // While a pass or a preview is under way, Run, Pass > Preview and the options are disabled
    // and the preview window is closed, so that nothing starts another pass; End stays enabled.
    // Afterwards the logic shows the options again (showOptions).
    virtual void showPassRunning(bool running) = 0;
    // The line under the progress bar: during a pass what it is doing (progressLine), then an
    // account of it (accountLine). It has room for two lines and wraps.
    virtual void showAccount(const std::string& line) = 0;
    // The main window's control that has the keyboard, or none: the window itself, or no
    // control of it.
    virtual std::optional<Control> focusedControl() = 0;
    // Gives the keyboard to the control, or to the main window itself, where Escape and the
    // End key still reach it and no greyed control holds them; without taking it from another
    // window that has it.
    virtual void focus(std::optional<Control> control) = 0;
    // Gives the keyboard to the text box as focus does, its whole text selected, so that what
    // the user types replaces the text refused.
    virtual void focusToRetype(Control box) = 0;
    // Returns once the user has closed the box.
    virtual void showMessage(const Message& message) = 0;
    // True when the user gave the question's default answer.
    virtual bool ask(const Question& question) = 0;
    // Replaces what the report window shows, with its filter cleared (the report of a new
    // pass); opens it when `open`, beside the main window, which keeps the keyboard.
    virtual void showReport(const PassReport& report, bool open) = 0;
    // Pass > Last pass report: the report window restored if minimised, raised and active.
    virtual void bringReportToFront() = 0;
    virtual void showPreview(const PreviewText& preview) = 0;
    virtual void closePreview() = 0;
    // The local time as "yyyy-MM-dd HH:mm:ss", for the report.
    virtual std::string localTime() = 0;
    // Where this user's options are remembered between starts.
    virtual SettingsStore& settings() = 0;
    // The main window's frame, and the areas of the screens free for windows (without task
    // bars), in the screens' pixels.
    virtual ScreenRect windowFrame() = 0;
    virtual std::vector<ScreenRect> screenAreas() = 0;
    // Puts the frame's top left corner there.
    virtual void moveWindow(ScreenPoint topLeft) = 0;
    // The program is to end with this status; the view hides every window.
    virtual void endProgram(int exitStatus) = 0;
};

} // namespace sequate::ui

#pragma once

// What the window logic asks of a view of the main window: everything that needs a toolkit.
// The Qt window on Linux implements it, and a native window on Windows can.

#include "dialogtexts.h"
#include "engine/progressbar.h"
#include "optionpanel.h"
#include "passtexts.h"

#include <string>

namespace sequate::ui {

class MainView {
public:
    virtual ~MainView() = default;

    // Old program: AlwaysOnTop.
    virtual void keepOnTop(bool onTop) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // Shows every option's state, enabled state and the start box's text as they now are.
    virtual void showOptions(const OptionPanel& options) = 0;
    // Old program: prgbarEdistys.
    virtual engine::ProgressBar& progressBar() = 0;
    // Returns once the user has closed the box.
    virtual void showMessage(const Message& message) = 0;
    // True when the user gave the question's default answer.
    virtual bool ask(const Question& question) = 0;
    // Replaces what the report window shows; opens it when `open`.
    virtual void showReport(const PassReport& report, bool open) = 0;
    virtual void showPreview(const PreviewText& preview) = 0;
    virtual void closePreview() = 0;
    // The local time as "yyyy-MM-dd HH:mm:ss", for the report.
    virtual std::string localTime() = 0;
    // The program is to end with this status; the view hides every window.
    virtual void endProgram(int exitStatus) = 0;
};

} // namespace sequate::ui

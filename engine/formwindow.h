#pragma once

// The main window as the engine sees it: the controls it reads and sets, the progress bar,
// the report window, the ECO step and message boxes. The Qt window implements it; tests and
// the headless runner implement it without a display.

#include "host/ecodelivery.h"
#include "host/powerlogic.h"
#include "progressbar.h"

#include <functional>
#include <string>
#include <vector>

namespace sequate::engine {

// The rows of an ECO file: each rename's name before and after, in the order made; with what
// the ECO step needs to know of them.
struct EcoRows {
    std::vector<std::string> oldNames;
    std::vector<std::string> newNames;
    // Called with the file's path just before the file the user chose is written, or before
    // PowerPCB is asked to read it: the journal notes the hand-off first. When it throws, the
    // file goes nowhere.
    std::function<void(const std::string& path)> beforeHandOver;
    // The save dialog's caption, where the file is not the pass's own: what the file is for.
    std::string caption;
};

// Message box styles: icon plus a single OK button.
enum class MessageStyle : int { Critical = 16, Exclamation = 48 };

class FormWindow {
public:
    virtual ~FormWindow() = default;

    // Start-up and the open-document handler.
    virtual void keepOnTop(bool onTop) = 0; // Old program: AlwaysOnTop
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setStartText(const std::string& text) = 0;
    virtual void deselectOptStart() = 0; // without the option's click effects

    // The controls a pass reads, each time it needs them.
    virtual bool optStart() const = 0;
    virtual bool optSelected() const = 0;
    virtual bool optAssign() const = 0;
    virtual bool optDuplicate() const = 0;
    virtual bool chkSend() const = 0;
    virtual bool optECO() const = 0;
    virtual bool optDirect() const = 0;
    virtual std::string startText() const = 0;
    virtual ProgressBar& progressBar() = 0; // Old program: prgbarEdistys

    // The report window of unnamed components (old program: frmNotChanged): append to its
    // text box, then show it.
    virtual void appendToReport(const std::string& text) = 0;
    virtual void showReport() = 0;

    // The ECO step at the end of a pass, before PowerLogic's pass ends. Each says what came of it.
    // Old program: ShowFileDialog (the file the user chooses) and AlsoInPCB (the file PowerPCB
    // reads).
    virtual host::EcoDelivery writeEcoFile(const EcoRows& rows) = 0;
    virtual host::EcoDelivery sendEcoToLayout(host::LogicApplication& powerLogic,
                                              const EcoRows& rows) = 0;
    // Asked before the first rename of a pass that hands its file to PowerPCB: why PowerPCB
    // cannot take it now, or empty.
    virtual std::string layoutUnreachable() = 0;
    // After Cancel in the save dialog: keep the renames without an ECO file (true), or not
    // (false, the default answer, also for Escape). The question says what "not" does.
    virtual bool keepRenamesWithoutEco(const std::string& question) = 0;
    // A pass was cut short: true puts its renames back (the default answer, also for Escape),
    // false keeps them.
    virtual bool putBackUnfinishedPass(const std::string& question) = 0;

    virtual void showMessage(MessageStyle style, const std::string& title,
                             const std::string& text) = 0;
};

} // namespace sequate::engine

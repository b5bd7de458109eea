#pragma once

// What the engine needs of the program around it, each port named for what it does: the
// progress and the stop, the messages and the two questions, the ECO step, and what start-up
// sets in the window. The main window implements them through ui/; the headless runners and the
// tests implement them without a display. None of them tells the engine what to do: that comes
// in a PassRequest.

#include "host/ecodelivery.h"
#include "host/powerlogic.h"
#include "progress.h"
#include "recoverynews.h"
#include "rename.h"

#include <functional>
#include <string>
#include <vector>

namespace sequate::engine {

// The rows of an ECO file: each rename's name before and after, in the order made; with what
// the ECO step needs to know of them.
struct EcoRows {
    std::vector<Rename> renames;
    // Called with the file's path just before the file the user chose is written, or before
    // PowerPCB is asked to read it: the journal notes the hand-off first. When it throws, the
    // file goes nowhere.
    std::function<void(const std::string& path)> beforeHandOver;
    // The save dialog's caption, where the file is not the pass's own: what the file is for.
    std::string caption;
    // A file PowerPCB reads only if its layout took these rows (probeRows, journalclaims.h),
    // read when PowerPCB's answer to them failed: that answer decides nothing by itself. Empty
    // when no name tells; a failed answer then leaves the outcome unknown.
    std::vector<Rename> probe;
    // These rows are themselves such a probe: PowerPCB refusing them tells that the layout
    // lacks a name, unless its answer may have been lost on the way.
    bool refusalTells = false;

    std::vector<std::string> oldNames() const;
    std::vector<std::string> newNames() const;
};

// What a message box tells, which gives its icon. Every box has one OK button.
enum class MessageKind {
    Failure, // something could not be done (the old program's critical icon, style 16)
    Refusal, // what the user typed or asked for cannot be used (exclamation icon, style 48)
    // An outcome the user chose, or one that left everything as it was (information icon).
    Information,
};

// Which renames would be kept without an ECO file, after Cancel in the save dialog: ui/ words
// the question.
enum class WithoutEcoFile {
    PassRenames, // the renames of the pass just made
    PutBack,     // Pass > Put back the last pass, just made
    KeptRenames, // the renames kept from a pass that was cut short
};

// Messages, and the two questions the engine asks. Old program: MsgBox.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    virtual void showMessage(MessageKind kind, const std::string& title,
                             const std::string& text) = 0;
    // After Cancel in the save dialog: keep the renames without an ECO file (true), or not
    // (false, the default answer, also for Escape). The question says what "not" does.
    virtual bool keepRenamesWithoutEco(WithoutEcoFile renames) = 0;
    // A pass was cut short: true puts its renames back (the default answer, also for Escape),
    // false keeps them.
    virtual bool putBackUnfinishedPass(const UnfinishedPass& pass) = 0;
    // What a recovery tells, one box, shown once PowerLogic is let go.
    virtual void tellOfRecovery(const RecoveryMessage& message) = 0;
    // What ending PowerLogic's pass has to tell, one box, once it has ended.
    virtual void tellOfPassLock(const PassLockNews& news) = 0;
};

// The ECO step at the end of a pass, before PowerLogic's pass ends. Each says what came of it.
class EcoHandOff {
public:
    virtual ~EcoHandOff() = default;
    // Asks for a file and writes it. Old program: ShowFileDialog.
    virtual host::EcoDelivery writeToChosenFile(const EcoRows& rows) = 0;
    // Has the running PowerPCB read the file. Old program: AlsoInPCB.
    virtual host::EcoDelivery handToPowerPcb(host::LogicApplication& powerLogic,
                                             const EcoRows& rows) = 0;
    // Asked before the first rename of a pass that hands its file to PowerPCB: why PowerPCB
    // cannot take it now, with what to do in PowerPCB, or empty.
    virtual std::string whyPowerPcbCannotTake() = 0;
};

// What a pass, a preview and a recovery work through.
struct PassPorts {
    ProgressPort progress; // Old program: prgbarEdistys
    UserDialogs& dialogs;
    EcoHandOff& eco;
};

} // namespace sequate::engine

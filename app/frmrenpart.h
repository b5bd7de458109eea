#pragma once

// The main window: the options of a pass, Run and End, the progress bar, the Pass and Help
// menus. It only shows, reads and forwards; start-up, the open-document handling and the pass
// itself are the engine's.

#include "engine/formstate.h"
#include "engine/formwindow.h"
#include "engine/numberingpass.h"
#include "engine/startup.h"
#include "host/powerlogic.h"
#include "host/runningobjects.h"
#include "progressbaradapter.h"
#include "renpartcontrols.h"
#include "windowecoui.h"

#include <QMainWindow>
#include <memory>

namespace sequate::about {
class frmAbout;
}

namespace sequate::app {

class Dialogs;
class frmNotChanged;
class frmPreview;

class frmRenPart : public QMainWindow,
                   public engine::FormWindow,
                   public host::LogicApplicationEvents {
    Q_OBJECT

public:
    frmRenPart(std::unique_ptr<host::RunningObjects> objects, Dialogs& dialogs);
    ~frmRenPart() override;

    // Start-up, while the window is still hidden. Once running, the window follows the
    // documents PowerLogic opens.
    engine::StartupOutcome Form_Load();
    const engine::FormState& state() const { return mState; }
    // Offers to put back or keep what a pass cut short left in the open schematic.
    void recoverUnfinishedPass();

    // engine::FormWindow
    void AlwaysOnTop(bool onTop) override;
    void setCaption(const std::string& caption) override;
    void setStartText(const std::string& text) override;
    void deselectOptStart() override;
    bool optStart() const override;
    bool optSelected() const override;
    bool optAssign() const override;
    bool optDuplicate() const override;
    bool chkSend() const override;
    bool optECO() const override;
    bool optDirect() const override;
    std::string startText() const override;
    engine::ProgressBar& prgbarEdistys() override;
    void appendNotChanged(const std::string& text) override;
    void showNotChanged() override;
    host::EcoDelivery ShowFileDialog(const engine::FormState& state) override;
    host::EcoDelivery AlsoInPCB(const engine::FormState& state) override;
    std::string layoutUnreachable() override;
    bool keepRenamesWithoutEco() override;
    bool putBackUnfinishedPass(const std::string& question) override;
    void showMessage(engine::MessageStyle style, const std::string& title,
                     const std::string& text) override;

    // host::LogicApplicationEvents
    void OpenDocument(std::shared_ptr<host::LogicDocument> doc) override;

signals:
    // The program is to end with this exit status; the windows are already hidden.
    void programEnd(int exitStatus);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void optStart_Click();
    void optSelected_Click();
    void chkSend_Click();
    void cmdRun_Click();
    void cmdEnd_Click();
    void mnuPreview_Click();
    void mnuHelpPage_Click();
    void mnuAbout_Click();
    // Runs a pass with the window held, then reports it.
    template <typename Pass>
    void runPass(Pass pass);
    void reportPass(const engine::PassResult& result);
    void powerLogicApp_OpenDocument();
    void endProgram(int exitStatus);
    void enableStartBox(bool selected);

    std::unique_ptr<host::RunningObjects> mObjects;
    Dialogs& mDialogs;
    engine::FormState mState;
    RenPartControls mControls;
    ProgressBarAdapter mProgress;
    WindowEcoUi mEcoUi;
    frmNotChanged* mNotChanged = nullptr;
    frmPreview* mPreview = nullptr;
    std::string mEcoWent; // where the last pass's ECO file went
    about::frmAbout* mAbout = nullptr;
    std::shared_ptr<host::LogicApplication> mAdvised;
    bool mPassRunning = false;
    bool mOpenDocumentWaiting = false;
    bool mEnded = false;
};

} // namespace sequate::app

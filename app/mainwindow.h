#pragma once

// The main window: the options of a pass, Run and End, the progress bar, the Pass and Help
// menus. It only shows, reads and forwards; start-up, the open-document handling and the pass
// itself are the engine's.

#include "engine/formwindow.h"
#include "engine/hostsession.h"
#include "engine/numberingpass.h"
#include "engine/startup.h"
#include "host/powerlogic.h"
#include "host/runningobjects.h"
#include "mainwindowcontrols.h"
#include "progressbaradapter.h"
#include "windowecoui.h"

#include <QMainWindow>
#include <memory>

namespace sequate::about {
class AboutBox;
}

namespace sequate::app {

class Dialogs;
class ReportWindow;
class PreviewWindow;

// Old program: frmRenPart (still its objectName).
class MainWindow : public QMainWindow,
                   public engine::FormWindow,
                   public host::LogicApplicationEvents {
    Q_OBJECT

public:
    MainWindow(std::unique_ptr<host::RunningObjects> objects, Dialogs& dialogs);
    ~MainWindow() override;

    // Start-up, while the window is still hidden. Once running, the window follows the
    // documents PowerLogic opens. Old program: Form_Load.
    engine::StartupOutcome startUp();
    const engine::HostSession& state() const { return mState; }
    // Offers to put back or keep what a pass cut short left in the open schematic.
    void recoverUnfinishedPass();

    // engine::FormWindow
    void keepOnTop(bool onTop) override;
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
    engine::ProgressBar& progressBar() override;
    void appendToReport(const std::string& text) override;
    void showReport() override;
    host::EcoDelivery writeEcoFile(const engine::EcoRows& rows) override;
    host::EcoDelivery sendEcoToLayout(host::LogicApplication& powerLogic,
                                      const engine::EcoRows& rows) override;
    std::string layoutUnreachable() override;
    bool keepRenamesWithoutEco(const std::string& question) override;
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
    // The controls' handlers. Old program: optStart_Click, optSelected_Click, chkSend_Click,
    // cmdRun_Click, cmdEnd_Click; the menu items are new.
    void allComponentsChosen();
    void selectedComponentsChosen();
    void sendEcoToggled();
    void runClicked();
    void endClicked();
    void previewChosen();
    void helpPageChosen();
    void aboutChosen();
    // Runs a pass with the window held, then reports it.
    template <typename Pass>
    void runPass(Pass pass);
    void reportPass(const engine::PassResult& result);
    void takeUpOpenedDocument(); // Old program: powerLogicApp_OpenDocument
    void endProgram(int exitStatus);
    void enableStartBox(bool selected);

    std::unique_ptr<host::RunningObjects> mObjects;
    Dialogs& mDialogs;
    engine::HostSession mState;
    MainWindowControls mControls;
    ProgressBarAdapter mProgress;
    WindowEcoUi mEcoUi;
    ReportWindow* mNotChanged = nullptr;
    PreviewWindow* mPreview = nullptr;
    std::string mEcoWent; // where the last pass's ECO file went
    about::AboutBox* mAbout = nullptr;
    std::shared_ptr<host::LogicApplication> mAdvised;
    bool mPassRunning = false;
    bool mOpenDocumentWaiting = false;
    bool mEnded = false;
};

} // namespace sequate::app

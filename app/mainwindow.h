#pragma once

// The main window: the options of a pass, Run and End, the progress bar, the Pass and Help
// menus. A view of ui::MainWindowLogic: it places the controls as the layout table says,
// forwards clicks and shows what the logic tells it.

#include "eco/ecostep.h"
#include "host/runningobjects.h"
#include "mainwindowcontrols.h"
#include "qtsettingsstore.h"
#include "ui/mainview.h"
#include "ui/mainwindowevents.h"
#include "ui/mainwindowlogic.h"
#include "windowsavedialog.h"

#include <QMainWindow>
#include <memory>

namespace sequate::about {
class AboutBox;
}

namespace sequate::app {

class Dialogs;
class HelpWindow;
class ReportWindow;
class PreviewWindow;

// Old program: frmRenPart (still its objectName).
class MainWindow : public QMainWindow, private ui::MainView {
    Q_OBJECT

public:
    MainWindow(std::unique_ptr<host::RunningObjects> objects, Dialogs& dialogs);

    ui::MainWindowLogic& logic() { return mLogic; }

signals:
    // The program is to end with this exit status; the windows are already hidden.
    void programEnd(int exitStatus);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void connectHandlers();
    void helpPageChosen();
    void aboutChosen();

    // ui::MainView
    void keepOnTop(bool onTop) override;
    void setCaption(const std::string& caption) override;
    void showOptions(const ui::OptionPanel& options) override;
    void showProgress(ui::BarPosition bar) override;
    void handleWaitingEvents() override;
    void showPassRunning(bool running) override;
    void showAccount(const std::string& line) override;
    std::optional<ui::Control> focusedControl() override;
    void focus(std::optional<ui::Control> control) override;
    void focusToRetype(ui::Control box) override;
    void showMessage(const ui::Message& message) override;
    bool ask(const ui::Question& question) override;
    void showReport(const ui::PassReport& report, bool open) override;
    void bringReportToFront() override;
    void showPreview(const ui::PreviewText& preview) override;
    void closePreview() override;
    std::string localTime() override;
    ui::SettingsStore& settings() override { return mSettings; }
    ui::ScreenRect windowFrame() override;
    std::vector<ui::ScreenRect> screenAreas() override;
    void moveWindow(ui::ScreenPoint topLeft) override;
    void endProgram(int exitStatus) override;

    std::unique_ptr<host::RunningObjects> mObjects;
    Dialogs& mDialogs;
    QtSettingsStore mSettings;
    MainWindowControls mControls;
    WindowSaveDialog mSaveDialog;
    eco::EcoStep mEcoStep;
    ui::MainWindowLogic mLogic;
    ui::MainWindowEvents mEvents{mLogic};
    ReportWindow* mReport = nullptr;
    PreviewWindow* mPreview = nullptr;
    about::AboutBox* mAbout = nullptr;
    HelpWindow* mHelp = nullptr;
};

} // namespace sequate::app

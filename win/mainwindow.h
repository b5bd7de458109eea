#pragma once

// The main window on Windows: the options of a pass, Run and End, the progress bar, the Pass
// and Help menus. A view of ui::MainWindowLogic, as the Qt window is on Linux: it places the
// controls as the layout table says, forwards clicks and shows what the logic tells it. Old
// program: frmRenPart (its window class).

#include "aboutbox.h"
#include "eco/ecostep.h"
#include "maincontrols.h"
#include "nativewindow.h"
#include "previewwindow.h"
#include "registrysettingsstore.h"
#include "reportwindow.h"
#include "savedialog.h"
#include "ui/mainview.h"
#include "ui/mainwindowevents.h"
#include "ui/mainwindowlogic.h"

#include <functional>
#include <memory>

namespace sequate::win {

class Dialogs;

class MainWindow : public NativeWindow, private ui::MainView {
public:
    // programEnd hears the exit status once the windows are hidden.
    MainWindow(host::RunningObjects& objects, Dialogs& dialogs,
               std::function<void(int)> programEnd);

    ui::MainWindowLogic& logic() { return mLogic; }

    HWND control(ui::Control control) const { return (*mControls)[control]; }
    ReportWindow& report() { return *mReport; }
    PreviewWindow& preview() { return *mPreview; }
    AboutBox* about() { return mAbout.get(); }

protected:
    void arrange() override;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // During a pass, asks whether to stop it.
    void escapePressed() override;
    // The End key too, during a pass, wherever the keyboard is.
    bool keyPressed(WPARAM key) override;

private:
    void command(int id, int notification);
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

    Dialogs& mDialogs;
    RegistrySettingsStore mSettings;
    std::function<void(int)> mProgramEnd;
    WindowSaveDialog mSaveDialog;
    eco::EcoStep mEcoStep;
    ui::MainWindowLogic mLogic;
    ui::MainWindowEvents mEvents{mLogic};
    std::unique_ptr<MainControls> mControls;
    std::unique_ptr<ReportWindow> mReport;
    std::unique_ptr<PreviewWindow> mPreview;
    std::unique_ptr<AboutBox> mAbout;
    // Where the keyboard goes when the window is active again: a control, or none for the
    // window itself. A dialog keeps it so; this window is not a dialog.
    HWND mKeyboard = nullptr;
};

} // namespace sequate::win

#include "mainwindow.h"

#include "about/productname.h"
#include "dialogs.h"
#include "dpi.h"
#include "helppage.h"
#include "widetext.h"

#include <cstdio>

namespace sequate::win {

namespace {

using ui::Control;
using ui::ControlKind;
using ui::MenuItem;

bool isChoice(const ui::ControlPlace& place) {
    return place.kind == ControlKind::Option || place.kind == ControlKind::CheckBox;
}

} // namespace

MainWindow::MainWindow(host::RunningObjects& objects, Dialogs& dialogs,
                       std::function<void(int)> programEnd)
    : mObjects(objects), mDialogs(dialogs), mProgramEnd(std::move(programEnd)),
      mEcoStep(dialogs, *this, objects), mLogic(*this, mEcoStep) {
    create(L"frmRenPart", about::productName,
           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, nullptr, makeMenuBar());
    mControls = std::make_unique<MainControls>(handle());
    for (const ui::ControlPlace& place : ui::mainWindowControls())
        name(place.objectName, control(place.control));
    mProgress = std::make_unique<NativeProgressBar>(control(Control::progressBar));
    applyFont();
    arrange();
    mReport = std::make_unique<ReportWindow>(handle(), dialogs);
    mPreview = std::make_unique<PreviewWindow>(handle(), [this] { mLogic.apply(); });
}

engine::StartupOutcome MainWindow::startUp() {
    return mLogic.startUp(mObjects);
}

void MainWindow::recoverUnfinishedPass() {
    mLogic.recoverUnfinishedPass();
}

void MainWindow::arrange() {
    const int width = mControls->place(dpi());
    setClientSize(handle(), width, twipsToPixels(ui::mainClientHeight, dpi()));
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CLOSE:
        endProgram(0);
        return 0;
    default:
        return NativeWindow::onMessage(message, wParam, lParam);
    }
}

void MainWindow::command(int id, int notification) {
    if (const std::optional<Control> clicked = controlWithId(id)) {
        if (*clicked == Control::startBox && notification == EN_CHANGE)
            mLogic.startTextEdited(windowText(control(Control::startBox)));
        else if (notification != BN_CLICKED)
            return;
        else if (isChoice(ui::placeOf(*clicked)))
            mLogic.click(*clicked);
        else if (*clicked == Control::runButton)
            mLogic.run();
        else if (*clicked == Control::endButton)
            endProgram(0);
        return;
    }
    switch (menuItemWithId(id).value_or(MenuItem::passMenu)) {
    case MenuItem::previewItem:
        mLogic.preview();
        break;
    case MenuItem::reportItem:
        mLogic.openReport();
        break;
    case MenuItem::helpPageItem:
        helpPageChosen();
        break;
    case MenuItem::aboutItem:
        aboutChosen();
        break;
    default:
        break;
    }
}

void MainWindow::helpPageChosen() {
    const std::string page = helpPagePath();
    bool opened = false;
    try {
        opened = helpPageExists(page) && mDialogs.open(handle(), page);
    } catch (...) {
        // Said below, with the page's place, which the user can open by hand.
    }
    if (!opened)
        showMessage(ui::helpPageNotOpened(page));
}

void MainWindow::aboutChosen() {
    if (!mAbout)
        mAbout = std::make_unique<AboutBox>(mDialogs);
    mAbout->keepOnTop(true);
    RECT frame;
    ::GetWindowRect(handle(), &frame);
    const int offset = twipsToPixels(ui::aboutBoxOffset, dpi());
    ::SetWindowPos(mAbout->handle(), nullptr, frame.left + offset, frame.top + offset, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    mAbout->show();
}

// --- ui::MainView ---

void MainWindow::keepOnTop(bool onTop) {
    ::SetWindowPos(handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE);
}

void MainWindow::setCaption(const std::string& caption) {
    setWindowText(handle(), caption);
}

void MainWindow::showOptions(const ui::OptionPanel& options) {
    for (const ui::ControlPlace& place : ui::mainWindowControls()) {
        HWND shown = control(place.control);
        if (isChoice(place))
            ::SendMessageW(shown, BM_SETCHECK,
                           options.chosen(place.control) ? BST_CHECKED : BST_UNCHECKED, 0);
        ::EnableWindow(shown, options.enabled(place.control));
    }
    HWND startBox = control(Control::startBox);
    if (windowText(startBox) != options.startText())
        setWindowText(startBox, options.startText());
}

void MainWindow::showMessage(const ui::Message& message) {
    mDialogs.showMessage(handle(), message);
}

bool MainWindow::ask(const ui::Question& question) {
    return mDialogs.ask(handle(), question);
}

void MainWindow::showReport(const ui::PassReport& report, bool open) {
    mReport->setReport(report);
    if (open)
        mReport->show();
}

void MainWindow::showPreview(const ui::PreviewText& preview) {
    mPreview->showPreview(preview);
}

void MainWindow::closePreview() {
    mPreview->close();
}

std::string MainWindow::localTime() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth,
                  now.wDay, now.wHour, now.wMinute, now.wSecond);
    return text;
}

void MainWindow::endProgram(int exitStatus) {
    if (mEnded)
        return;
    mEnded = true;
    mReport->hide();
    mPreview->close();
    if (mAbout)
        mAbout->hide();
    hide();
    mProgramEnd(exitStatus);
}

} // namespace sequate::win

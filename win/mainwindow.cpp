#include "mainwindow.h"

#include "dialogs.h"
#include "dpi.h"
#include "helppage.h"
#include "launch.h"
#include "sequate/version.h"
#include "ui/ecotexts.h"
#include "widetext.h"

#include <commctrl.h>
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
    : mDialogs(dialogs), mProgramEnd(std::move(programEnd)), mSaveDialog(dialogs, *this),
      mEcoStep(objects, mSaveDialog, ui::ecoProblemText), mLogic(*this, mEcoStep) {
    create(L"frmRenPart", productName, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
           nullptr, makeMenuBar());
    mControls = std::make_unique<MainControls>(handle());
    for (const ui::ControlPlace& place : ui::mainWindowControls())
        name(place.objectName, control(place.control));
    applyFont();
    arrange();
    mReport = std::make_unique<ReportWindow>(handle(), dialogs);
    mPreview = std::make_unique<PreviewWindow>(
        handle(), dialogs, [this] { mLogic.apply(); },
        [this] { mLogic.savePlanAsEco(mPreview->saveDialog()); });
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
        // The window goes only as the program ends (endProgram).
        mEvents.closeAsked();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focused = ::GetFocus();
            mKeyboard = focused && ::IsChild(handle(), focused) ? focused : nullptr;
        } else if (!HIWORD(wParam)) {
            ::SetFocus(mKeyboard && ::IsWindowEnabled(mKeyboard) ? mKeyboard : handle());
        }
        return 0;
    default:
        return NativeWindow::onMessage(message, wParam, lParam);
    }
}

void MainWindow::escapePressed() {
    mEvents.keyPressed(ui::WindowKey::Escape, false);
}

bool MainWindow::keyPressed(WPARAM key) {
    if (key == VK_END && mEvents.keyPressed(ui::WindowKey::End, false))
        return true;
    // Escape in the order box's dropped list closes the list, as the dialog keys let it.
    if (key == VK_ESCAPE && ::SendMessageW(control(Control::orderBox), CB_GETDROPPEDSTATE, 0, 0))
        return false;
    return NativeWindow::keyPressed(key);
}

void MainWindow::command(int id, int notification) {
    if (const std::optional<Control> clicked = controlWithId(id)) {
        const ControlKind kind = ui::placeOf(*clicked).kind;
        if (kind == ControlKind::TextBox && notification == EN_CHANGE)
            mLogic.textEdited(*clicked, windowText(control(*clicked)));
        else if (kind == ControlKind::ComboBox && notification == CBN_SELCHANGE)
            mLogic.orderChosen(static_cast<engine::WalkOrder>(
                ::SendMessageW(control(*clicked), CB_GETCURSEL, 0, 0)));
        else if (notification != BN_CLICKED)
            return;
        else if (isChoice(ui::placeOf(*clicked)))
            mLogic.click(*clicked);
        else if (*clicked == Control::runButton)
            mLogic.run();
        else if (*clicked == Control::endButton)
            mLogic.end();
        return;
    }
    // Enter where no button has the keyboard, as the message loop's dialog keys send it.
    if (id == IDOK) {
        mEvents.keyPressed(ui::WindowKey::Enter, ::IsWindowEnabled(control(ui::defaultButton)));
        return;
    }
    switch (menuItemWithId(id).value_or(MenuItem::passMenu)) {
    case MenuItem::previewItem:
        mLogic.preview();
        break;
    case MenuItem::reportItem:
        mLogic.openReport();
        break;
    case MenuItem::putBackItem:
        mLogic.putBackLastPass();
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
    const bool exists = helpPageExists(page);
    bool opened = false;
    try {
        opened = exists && mDialogs.open(handle(), page);
    } catch (...) {
        // Said with the page's place, which the user can open by hand.
    }
    if (const auto problem = ui::helpPageProblem(page, exists, opened))
        showMessage(*problem);
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
        if (place.kind == ControlKind::TextBox && windowText(shown) != options.text(place.control))
            setWindowText(shown, options.text(place.control));
        ::EnableWindow(shown, options.enabled(place.control));
    }
    // The first entry names the scope's own order.
    HWND order = control(Control::orderBox);
    const std::wstring first = wide(ui::walkOrderEntries(options.scope()).front());
    ::SendMessageW(order, CB_DELETESTRING, 0, 0);
    ::SendMessageW(order, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(first.c_str()));
    ::SendMessageW(order, CB_SETCURSEL, static_cast<WPARAM>(options.order()), 0);
}

// A pass holds the message loop, so the bar is painted at once.
void MainWindow::showProgress(ui::BarPosition shown) {
    HWND bar = control(Control::progressBar);
    ::SendMessageW(bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(shown.maximum));
    ::SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(shown.value), 0);
    ::UpdateWindow(bar);
}

void MainWindow::handleWaitingEvents() {
    handleWaitingMessages();
}

void MainWindow::showPassRunning(bool running) {
    for (const ui::ControlPlace& place : ui::mainWindowControls())
        if (ui::greyedDuringPass(place))
            ::EnableWindow(control(place.control), !running);
    for (const ui::MenuPlace& place : ui::mainWindowMenus())
        if (ui::greyedDuringPass(place.item))
            ::EnableMenuItem(::GetMenu(handle()), menuId(place.item),
                             MF_BYCOMMAND | (running ? MF_GRAYED : MF_ENABLED));
    // The preview holds the main window while it is open: once Apply runs its plan, it goes,
    // so that End reaches the pass. It comes back with a new plan if the schematic changed.
    if (running)
        mPreview->close();
}

void MainWindow::showAccount(const std::string& line) {
    setWindowText(control(Control::accountLine), line);
}

std::optional<Control> MainWindow::focusedControl() {
    HWND focused = ::GetActiveWindow() == handle() ? ::GetFocus() : mKeyboard;
    if (!focused || !::IsChild(handle(), focused))
        return std::nullopt;
    return controlWithId(::GetDlgCtrlID(focused));
}

void MainWindow::focus(std::optional<Control> to) {
    mKeyboard = to ? control(*to) : nullptr;
    if (::GetActiveWindow() == handle())
        ::SetFocus(mKeyboard ? mKeyboard : handle());
}

void MainWindow::focusToRetype(Control box) {
    focus(box);
    ::SendMessageW(control(box), EM_SETSEL, 0, -1);
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

void MainWindow::bringReportToFront() {
    mReport->bringToFront();
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

ui::ScreenRect MainWindow::windowFrame() {
    RECT frame;
    ::GetWindowRect(handle(), &frame);
    return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

std::vector<ui::ScreenRect> MainWindow::screenAreas() {
    std::vector<ui::ScreenRect> areas;
    ::EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM list) {
            MONITORINFO info{};
            info.cbSize = sizeof info;
            if (::GetMonitorInfoW(monitor, &info)) {
                const RECT& work = info.rcWork;
                reinterpret_cast<std::vector<ui::ScreenRect>*>(list)->push_back(
                    {work.left, work.top, work.right - work.left, work.bottom - work.top});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&areas));
    return areas;
}

void MainWindow::moveWindow(ui::ScreenPoint topLeft) {
    ::SetWindowPos(handle(), nullptr, topLeft.x, topLeft.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::endProgram(int exitStatus) {
    if (!mEvents.programEnds())
        return;
    mReport->hide();
    mPreview->close();
    if (mAbout)
        mAbout->hide();
    hide();
    mProgramEnd(exitStatus);
}

} // namespace sequate::win

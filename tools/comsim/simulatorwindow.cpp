#include "simulatorwindow.h"

#include "host/utf8.h"

#include <numeric>
#include <stdexcept>

namespace sequate::comsim {

namespace {

const wchar_t* const windowClass = L"SequateSimulatedPowerLogic";

// Clear of IDOK and IDCANCEL, which IsDialogMessage sends for Enter and Escape.
enum ControlId : int { ListId = 100, SelectAllId, StatusId };

constexpr UINT_PTR refreshTimer = 1;
constexpr UINT refreshEveryMs = 100;
constexpr int margin = 8;
constexpr int buttonWidth = 100;
constexpr int buttonHeight = 26;
// Room for a part name of 15 characters before the position, in dialog units.
constexpr int positionTab = 72;

void registerClass() {
    static const bool registered = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.lpfnWndProc = ::DefWindowProcW;
        type.hInstance = ::GetModuleHandleW(nullptr);
        type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        type.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
        type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        type.lpszClassName = windowClass;
        return ::RegisterClassExW(&type) != 0;
    }();
    if (!registered)
        throw std::runtime_error("cannot register the simulator's window class");
}

HWND control(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, int id,
             DWORD extended = 0) {
    return ::CreateWindowExW(extended, kind, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

std::wstring lineText(const host::sim::ComponentLine& line) {
    return host::wideFromUtf8(line.name + "\t" + line.position);
}

} // namespace

SimulatorWindow::SimulatorWindow(host::sim::SimPowerLogic& logic) : mLogic(logic) {
    registerClass();
    mWindow = ::CreateWindowExW(0, windowClass, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                CW_USEDEFAULT, CW_USEDEFAULT, 600, 600, nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr);
    if (!mWindow)
        throw std::runtime_error("cannot make the simulator's window");
    ::SetWindowLongPtrW(mWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(mWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&procedure));
    createControls();
    refresh();
    placeControls();
    ::ShowWindow(mWindow, SW_SHOWNORMAL);
    ::SetTimer(mWindow, refreshTimer, refreshEveryMs, nullptr);
}

SimulatorWindow::~SimulatorWindow() {
    if (mWindow)
        ::DestroyWindow(mWindow);
    if (mFont)
        ::DeleteObject(mFont);
}

void SimulatorWindow::createControls() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        mFont = ::CreateFontIndirectW(&metrics.lfMessageFont);
    mList = control(mWindow, L"LISTBOX", L"",
                    WS_VSCROLL | WS_TABSTOP | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_USETABSTOPS |
                        LBS_NOINTEGRALHEIGHT,
                    ListId, WS_EX_CLIENTEDGE);
    mSelectAll =
        control(mWindow, L"BUTTON", L"Select &all", WS_TABSTOP | BS_PUSHBUTTON, SelectAllId);
    mStatus = control(mWindow, L"STATIC", L"", SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, StatusId);
    for (HWND each : {mList, mSelectAll, mStatus})
        ::SendMessageW(each, WM_SETFONT, reinterpret_cast<WPARAM>(mFont), FALSE);
    int tab = positionTab;
    ::SendMessageW(mList, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tab));
    ::SetFocus(mList);
}

void SimulatorWindow::placeControls() {
    RECT client{};
    ::GetClientRect(mWindow, &client);
    const int bottom = client.bottom - margin - buttonHeight;
    ::MoveWindow(mList, margin, margin, client.right - 2 * margin, bottom - 2 * margin, TRUE);
    ::MoveWindow(mSelectAll, margin, bottom, buttonWidth, buttonHeight, TRUE);
    const int statusLeft = 2 * margin + buttonWidth;
    ::MoveWindow(mStatus, statusLeft, bottom, client.right - statusLeft - margin, buttonHeight,
                 TRUE);
}

bool SimulatorWindow::handleKeys(MSG& message) {
    return mWindow && ::IsDialogMessageW(mWindow, &message);
}

LRESULT CALLBACK SimulatorWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<SimulatorWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, w, l) : ::DefWindowProcW(window, message, w, l);
}

LRESULT SimulatorWindow::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_SIZE:
        placeControls();
        return 0;
    case WM_TIMER:
        // Between calls nothing changes but what the user does here, which marks the window
        // stale: an idle simulator does no work.
        if (w == refreshTimer && (mStale || mLogic.callCount() != mSeenCalls))
            refresh();
        return 0;
    case WM_COMMAND:
        if (LOWORD(w) == ListId && HIWORD(w) == LBN_SELCHANGE)
            selectionMade();
        else if (LOWORD(w) == SelectAllId && HIWORD(w) == BN_CLICKED)
            selectAll();
        return 0;
    case WM_CLOSE:
        ::DestroyWindow(mWindow);
        return 0;
    case WM_NCDESTROY: {
        HWND window = mWindow;
        mWindow = nullptr;
        return ::DefWindowProcW(window, message, w, l);
    }
    default:
        return ::DefWindowProcW(mWindow, message, w, l);
    }
}

void SimulatorWindow::refresh() {
    const bool redraw = mStale;
    mStale = false;
    mSeenCalls = mLogic.callCount();
    const auto lines = host::sim::componentLines(mLogic);
    // Setting the selection scrolls to it: the list stays where the user scrolled it, unless
    // it was filled anew, as for another document.
    const bool anotherDocument = lines.size() != mShownLines.size();
    const LRESULT top = ::SendMessageW(mList, LB_GETTOPINDEX, 0, 0);
    const bool rewritten = showLines(lines);
    showSelection(redraw || rewritten);
    if (!anotherDocument)
        ::SendMessageW(mList, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    const std::string title = host::sim::windowTitle(mLogic);
    if (title != mShownTitle)
        ::SetWindowTextW(mWindow, host::wideFromUtf8(mShownTitle = title).c_str());
    const std::string status = host::sim::statusLine(mLogic);
    if (status != mShownStatus)
        ::SetWindowTextW(mStatus, host::wideFromUtf8(mShownStatus = status).c_str());
}

// Only the lines that changed are written again, so that a pass's renames land in place and
// the list keeps where it was scrolled to.
bool SimulatorWindow::showLines(const std::vector<host::sim::ComponentLine>& lines) {
    if (lines == mShownLines)
        return false;
    ::SendMessageW(mList, WM_SETREDRAW, FALSE, 0);
    if (lines.size() != mShownLines.size()) {
        ::SendMessageW(mList, LB_RESETCONTENT, 0, 0);
        for (const auto& line : lines)
            ::SendMessageW(mList, LB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(lineText(line).c_str()));
    } else {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i] == mShownLines[i])
                continue;
            ::SendMessageW(mList, LB_DELETESTRING, i, 0);
            ::SendMessageW(mList, LB_INSERTSTRING, i,
                           reinterpret_cast<LPARAM>(lineText(lines[i]).c_str()));
        }
    }
    ::SendMessageW(mList, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(mList, nullptr, TRUE);
    mShownLines = lines;
    return true;
}

// The list shows the editor's selection: a click made while a pass is open shows once the
// pass has ended and the editor has taken it.
void SimulatorWindow::showSelection(bool redraw) {
    std::vector<std::size_t> selected = host::sim::selectedComponents(mLogic);
    if (!redraw && selected == mShownSelection)
        return;
    ::SendMessageW(mList, LB_SETSEL, FALSE, -1);
    for (const std::size_t component : selected)
        ::SendMessageW(mList, LB_SETSEL, TRUE, static_cast<LPARAM>(component));
    mShownSelection = std::move(selected);
}

void SimulatorWindow::selectionMade() {
    const LRESULT count = ::SendMessageW(mList, LB_GETSELCOUNT, 0, 0);
    std::vector<int> items(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (!items.empty())
        ::SendMessageW(mList, LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
    select(std::vector<std::size_t>(items.begin(), items.end()));
}

void SimulatorWindow::selectAll() {
    std::vector<std::size_t> every(mShownLines.size());
    std::iota(every.begin(), every.end(), std::size_t{0});
    select(every);
}

void SimulatorWindow::select(const std::vector<std::size_t>& components) {
    try {
        mLogic.selectOnly(components);
    } catch (const std::exception&) {
        // A close or open the user asked for during a pass is waiting: the document listed is
        // going away, and its components are not there for the selection to reach.
    }
    mStale = true;
}

} // namespace sequate::comsim

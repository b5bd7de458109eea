#include "nativewindow.h"

#include "dpi.h"
#include "widetext.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace sequate::win {

NativeWindow::~NativeWindow() {
    if (mWindow) {
        ::SetWindowLongPtrW(mWindow, GWLP_USERDATA, 0);
        ::DestroyWindow(mWindow);
    }
    if (mFont)
        ::DeleteObject(mFont);
}

void NativeWindow::show() {
    ::ShowWindow(mWindow, SW_SHOW);
    ::SetForegroundWindow(mWindow);
}

void NativeWindow::bringToFront() {
    ::ShowWindow(mWindow, ::IsIconic(mWindow) ? SW_RESTORE : SW_SHOW);
    ::SetForegroundWindow(mWindow);
}

void NativeWindow::create(const wchar_t* className, const std::string& caption, DWORD style,
                          HWND owner, HMENU menu) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    if (!::GetClassInfoExW(instance, className, &windowClass)) {
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &NativeWindow::dispatch;
        windowClass.hInstance = instance;
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
        windowClass.lpszClassName = className;
        ::RegisterClassExW(&windowClass);
    }
    mWindow =
        ::CreateWindowExW(0, className, wide(caption).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, owner, menu, instance, this);
    mDpi = dpiOf(mWindow);
}

HWND NativeWindow::addControl(const wchar_t* windowClass, const char* objectName,
                              const std::string& text, DWORD style, DWORD exStyle) {
    HWND control = ::CreateWindowExW(
        exStyle, windowClass, wide(text).c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
        0, 0, 0, 0, mWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(mNextId++)),
        ::GetModuleHandleW(nullptr), nullptr);
    if (objectName && *objectName)
        name(objectName, control);
    return control;
}

HWND NativeWindow::child(const std::string& objectName) const {
    const auto found = mNamed.find(objectName);
    return found == mNamed.end() ? nullptr : found->second;
}

void NativeWindow::applyFont() {
    HFONT font = messageFont(mDpi);
    for (HWND child = ::GetWindow(mWindow, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (mFont)
        ::DeleteObject(mFont);
    mFont = font;
}

bool NativeWindow::takeKey(const MSG& message) {
    if (message.message != WM_KEYDOWN)
        return false;
    HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
    // Only a window of the view: a message box or a file dialog has keys of its own.
    if (!root || reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(root, GWLP_WNDPROC)) !=
                     &NativeWindow::dispatch)
        return false;
    auto* self = reinterpret_cast<NativeWindow*>(::GetWindowLongPtrW(root, GWLP_USERDATA));
    return self && self->keyPressed(message.wParam);
}

bool NativeWindow::keyPressed(WPARAM key) {
    if (key != VK_ESCAPE)
        return false;
    escapePressed();
    return true;
}

LRESULT NativeWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The dialog keys move the keyboard this way: an access key of a label moves it to the
    // control after the label; a window that is not a dialog must do it itself.
    if (message == WM_NEXTDLGCTL) {
        HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                   : ::GetNextDlgTabItem(mWindow, ::GetFocus(), wParam != 0);
        if (next)
            ::SetFocus(next);
        return 0;
    }
    if (message == WM_DPICHANGED) {
        mDpi = HIWORD(wParam);
        applyFont();
        arrange();
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(mWindow, nullptr, suggested->left, suggested->top,
                       suggested->right - suggested->left, suggested->bottom - suggested->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    return ::DefWindowProcW(mWindow, message, wParam, lParam);
}

LRESULT CALLBACK NativeWindow::dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<NativeWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->mWindow = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<NativeWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && lParam == 0) {
        self->escapePressed();
        return 0;
    }
    return self->onMessage(message, wParam, lParam);
}

} // namespace sequate::win

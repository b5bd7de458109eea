#pragma once

// A top-level window of the view: its class registered once, its messages handed to the object
// that made it, its controls in the dialog font at the monitor's dpi, laid out again when the
// window moves to a monitor of another dpi.

#include <map>
#include <string>
#include <windows.h>

namespace sequate::win {

class NativeWindow {
public:
    virtual ~NativeWindow();
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    HWND handle() const { return mWindow; }
    UINT dpi() const { return mDpi; }
    void show();
    void hide() { ::ShowWindow(mWindow, SW_HIDE); }
    // Shown, restored if minimised, in front and with the keyboard.
    void bringToFront();
    bool visible() const { return ::IsWindowVisible(mWindow) != FALSE; }
    // A control by the objectName the Linux window gives it; null for none.
    HWND child(const std::string& objectName) const;
    // The message loop hands every key pressed in a window of the view to the window first,
    // before the control with the keyboard or the dialog keys see it; true when it took it.
    static bool takeKey(const MSG& message);

protected:
    NativeWindow() = default;
    // Registers the class (named after the window's old objectName) and creates the window,
    // hidden. The window's own messages reach onMessage().
    void create(const wchar_t* className, const std::string& caption, DWORD style, HWND owner,
                HMENU menu = nullptr);
    HWND addControl(const wchar_t* windowClass, const char* objectName, const std::string& text,
                    DWORD style, DWORD exStyle = 0);
    void name(const std::string& objectName, HWND control) { mNamed[objectName] = control; }
    // Places the controls for the window's dpi; called at creation and on a dpi change.
    virtual void arrange() = 0;
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Escape, as the message loop's dialog keys send it: closes the window, as on any dialog.
    virtual void escapePressed() { ::SendMessageW(mWindow, WM_CLOSE, 0, 0); }
    // A key pressed anywhere in the window (takeKey); true when taken. Escape goes to
    // escapePressed() also from a control that would keep it, such as a box of many lines.
    virtual bool keyPressed(WPARAM key);
    // The dialog font on every control, at the window's dpi.
    void applyFont();

private:
    static LRESULT CALLBACK dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND mWindow = nullptr;
    UINT mDpi = 96;
    HFONT mFont = nullptr;
    std::map<std::string, HWND> mNamed;
    int mNextId = 100;
};

} // namespace sequate::win

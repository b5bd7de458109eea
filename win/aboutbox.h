#pragma once

// The about box: name and version, a notice about the maker and the maker's web address, which
// turns blue under the pointer and opens in the browser when clicked. Created once, then hidden
// and shown again. Old program: frmAbout.

#include "nativewindow.h"

namespace sequate::win {

class Dialogs;

class AboutBox : public NativeWindow {
public:
    explicit AboutBox(Dialogs& dialogs);
    ~AboutBox() override;

    // Old program: AlwaysOnTop.
    void keepOnTop(bool onTop);
    // Opens "http://" + address; nothing that goes wrong there is reported. Old program:
    // OpenWebSite.
    void openWebSite(const std::string& address);
    COLORREF addressColour() const { return mAddressColour; }

protected:
    void arrange() override;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Old program: lblAddress_MouseMove and Form_MouseMove.
    void setAddressColour(COLORREF colour);
    static LRESULT CALLBACK addressMessage(HWND label, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR self);

    Dialogs& mDialogs;
    HWND mTitle;
    HWND mNotice;
    HWND mAddress;
    HWND mClose;
    HFONT mTitleFont = nullptr;
    COLORREF mAddressColour = RGB(0, 0, 0);
};

} // namespace sequate::win

#include "aboutbox.h"

#include "dialogs.h"
#include "dpi.h"
#include "sequate/version.h"
#include "ui/aboutlayout.h"
#include "widetext.h"

#include <commctrl.h>

namespace sequate::win {

namespace {

constexpr COLORREF hoverColour = RGB(0, 0, 255);
constexpr COLORREF restColour = RGB(0, 0, 0);

} // namespace

AboutBox::AboutBox(Dialogs& dialogs) : mDialogs(dialogs) {
    // No owner, as the old program gave none: the box is not modal.
    create(L"frmAbout", std::string("About ") + productName,
           WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, nullptr);
    mTitle = addControl(WC_STATICW, "Label2", productName, SS_LEFT | SS_NOPREFIX);
    mNotice = addControl(WC_STATICW, "Label1", SEQUATE_NOTICE, SS_LEFT | SS_NOPREFIX);
    mAddress =
        addControl(WC_STATICW, "lblAddress", SEQUATE_WEBSITE, SS_LEFT | SS_NOPREFIX | SS_NOTIFY);
    mClose = addControl(WC_BUTTONW, "cmdClose", about::closeCaption, BS_PUSHBUTTON | WS_TABSTOP);
    ::SetWindowSubclass(mAddress, &AboutBox::addressMessage, 1, reinterpret_cast<DWORD_PTR>(this));
    applyFont();
    arrange();
}

AboutBox::~AboutBox() {
    ::RemoveWindowSubclass(mAddress, &AboutBox::addressMessage, 1);
    if (mTitleFont)
        ::DeleteObject(mTitleFont);
}

void AboutBox::arrange() {
    // A label is never lower than one line of its font.
    const int line = twipsToPixels(270, dpi());
    for (const auto& [control, place] : {std::pair{mTitle, about::titlePlace},
                                         {mNotice, about::noticePlace},
                                         {mAddress, about::addressPlace},
                                         {mClose, about::closePlace}}) {
        const RECT rect = twipsRect(place.left, place.top, place.width, place.height, dpi());
        ::SetWindowPos(control, nullptr, rect.left, rect.top, rect.right - rect.left,
                       std::max<int>(rect.bottom - rect.top, line), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (mTitleFont)
        ::DeleteObject(mTitleFont);
    mTitleFont = messageFont(dpi(), 150, true);
    ::SendMessageW(mTitle, WM_SETFONT, reinterpret_cast<WPARAM>(mTitleFont), FALSE);
    setClientSize(handle(), twipsToPixels(about::aboutClientWidth, dpi()),
                  twipsToPixels(about::aboutClientHeight, dpi()));
}

void AboutBox::keepOnTop(bool onTop) {
    ::SetWindowPos(handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE);
}

void AboutBox::openWebSite(const std::string& address) {
    try {
        mDialogs.open(handle(), "http://" + address);
    } catch (...) {
        // A missing browser must not disturb the user: the address stays on screen.
    }
}

void AboutBox::setAddressColour(COLORREF colour) {
    mAddressColour = colour;
    ::InvalidateRect(mAddress, nullptr, TRUE);
}

LRESULT AboutBox::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        setAddressColour(restColour);
        return 0;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == mAddress) {
            const auto dc = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(dc, mAddressColour);
            ::SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == mClose)
            hide();
        else if (reinterpret_cast<HWND>(lParam) == mAddress && HIWORD(wParam) == STN_CLICKED)
            openWebSite(windowText(mAddress));
        return 0;
    case WM_CLOSE:
        hide();
        return 0;
    default:
        break;
    }
    return NativeWindow::onMessage(message, wParam, lParam);
}

LRESULT CALLBACK AboutBox::addressMessage(HWND label, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self) {
    if (message == WM_MOUSEMOVE) {
        reinterpret_cast<AboutBox*>(self)->setAddressColour(hoverColour);
    } else if (message == WM_SETCURSOR) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    return ::DefSubclassProc(label, message, wParam, lParam);
}

} // namespace sequate::win

#include "dpi.h"

#include <string>

namespace sequate::win {

namespace {

// GetDpiForWindow came with Windows 10 1607; before it every monitor had the system's dpi.
UINT systemDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

LOGFONTW messageLogFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = ::MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
    return font;
}

} // namespace

UINT dpiOf(HWND window) {
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto forWindow = reinterpret_cast<GetDpiForWindow>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (forWindow && window)
        if (const UINT dpi = forWindow(window))
            return dpi;
    return systemDpi();
}

int twipsToPixels(int twips, UINT dpi) {
    return ::MulDiv(twips, static_cast<int>(dpi), 1440);
}

RECT twipsRect(int left, int top, int width, int height, UINT dpi) {
    const int x = twipsToPixels(left, dpi);
    const int y = twipsToPixels(top, dpi);
    return {x, y, x + twipsToPixels(width, dpi), y + twipsToPixels(height, dpi)};
}

HFONT messageFont(UINT dpi, int percent, bool bold) {
    LOGFONTW font = messageLogFont(dpi);
    font.lfHeight = ::MulDiv(font.lfHeight, percent, 100);
    if (bold)
        font.lfWeight = FW_BOLD;
    return ::CreateFontIndirectW(&font);
}

HFONT fixedFont(UINT dpi) {
    LOGFONTW font = messageLogFont(dpi);
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynW(font.lfFaceName, L"Courier New", LF_FACESIZE);
    return ::CreateFontIndirectW(&font);
}

namespace {

// The box the control's text takes in its font, drawn with format into width pixels.
RECT measuredText(HWND control, int width, UINT format) {
    const int length = ::GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::GetWindowTextW(control, text.data(), length + 1);
    HDC dc = ::GetDC(control);
    HGDIOBJ previous =
        ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT box{0, 0, width, 0};
    ::DrawTextW(dc, text.c_str(), length, &box, DT_CALCRECT | format);
    ::SelectObject(dc, previous);
    ::ReleaseDC(control, dc);
    return box;
}

} // namespace

int wrappedTextHeight(HWND control, int width) {
    return measuredText(control, width, DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS)
        .bottom;
}

int captionWidth(HWND control) {
    // Without DT_NOPREFIX the access key's mark takes no room, as when a button draws it.
    return measuredText(control, 0, DT_SINGLELINE).right;
}

void setClientSize(HWND window, int width, int height) {
    RECT frame{0, 0, width, height};
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
    ::AdjustWindowRectEx(&frame, style, ::GetMenu(window) != nullptr, exStyle);
    ::SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace sequate::win

#include "maincontrols.h"

#include "dpi.h"
#include "ui/optionpanel.h"
#include "widetext.h"

#include <algorithm>
#include <cmath>
#include <commctrl.h>
#include <span>

namespace sequate::win {

namespace {

using ui::Control;
using ui::ControlKind;

struct NativeKind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle = 0;
};

NativeKind nativeKind(const ui::ControlPlace& place) {
    // Each option is its own group for Tab; which of a container's options is chosen is the
    // window logic's to say, so none checks itself.
    constexpr DWORD tabbed = WS_TABSTOP | WS_GROUP;
    switch (place.kind) {
    case ControlKind::Frame:
        return {WC_STATICW, SS_ETCHEDFRAME};
    case ControlKind::CaptionFrame:
        return {WC_BUTTONW, BS_GROUPBOX};
    case ControlKind::Option:
        return {WC_BUTTONW, BS_RADIOBUTTON | tabbed};
    case ControlKind::CheckBox:
        return {WC_BUTTONW, BS_CHECKBOX | tabbed};
    case ControlKind::Label:
        return {WC_STATICW, SS_RIGHT | SS_CENTERIMAGE};
    case ControlKind::TextBox:
        return {WC_EDITW, ES_AUTOHSCROLL | tabbed, WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
        return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | tabbed};
    case ControlKind::Button:
        return {WC_BUTTONW,
                (place.control == ui::defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | tabbed};
    case ControlKind::ProgressBar:
        return {PROGRESS_CLASSW, 0};
    case ControlKind::StatusText:
        // Wraps onto its second line, as an edit box would break it.
        return {WC_STATICW, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL};
    }
    return {WC_STATICW, 0};
}

// How much wider the controls must be so that every caption fits in its own font.
double widthFactor(std::span<const ui::ControlPlace> places, const MainControls& controls,
                   UINT dpi) {
    double factor = 1.0;
    // The box or circle in front of a caption and the gap after it.
    const int mark = ::GetSystemMetrics(SM_CXMENUCHECK) + twipsToPixels(120, dpi);
    for (const ui::ControlPlace& place : places) {
        if (!*place.caption || place.kind == ControlKind::CaptionFrame)
            continue;
        HWND control = controls[place.control];
        HDC dc = ::GetDC(control);
        const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
        HGDIOBJ previous = ::SelectObject(dc, font);
        std::wstring caption = wide(place.caption);
        std::erase(caption, L'&'); // the access key's mark is drawn as an underline
        SIZE size{};
        ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
        ::SelectObject(dc, previous);
        ::ReleaseDC(control, dc);
        const bool marked =
            place.kind == ControlKind::Option || place.kind == ControlKind::CheckBox;
        const int needed = size.cx + (marked ? mark : twipsToPixels(120, dpi));
        factor = std::max(factor, static_cast<double>(needed) / twipsToPixels(place.width, dpi));
    }
    return factor;
}

int widened(int twips, double factor) {
    return static_cast<int>(std::lround(twips * factor));
}

// A combo box's height is that of its list dropped down; its own field's follows the font.
int nativeHeight(const ui::ControlPlace& place) {
    if (place.kind != ControlKind::ComboBox)
        return place.height;
    return place.height * (1 + static_cast<int>(ui::walkOrderEntries({}).size()));
}

} // namespace

std::optional<Control> controlWithId(int id) {
    const int index = id - controlId(Control{});
    if (index < 0 || index >= static_cast<int>(ui::controlCount))
        return std::nullopt;
    return static_cast<Control>(index);
}

std::optional<ui::MenuItem> menuItemWithId(int id) {
    const int index = id - menuId(ui::MenuItem{});
    if (index < 0 || index >= static_cast<int>(ui::menuItemCount))
        return std::nullopt;
    return static_cast<ui::MenuItem>(index);
}

MainControls::MainControls(HWND window) {
    for (const ui::ControlPlace& place : ui::mainWindowControls()) {
        const NativeKind kind = nativeKind(place);
        HWND control = ::CreateWindowExW(
            kind.exStyle, kind.windowClass, wide(place.caption).c_str(),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style, 0, 0, 0, 0, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(place.control))),
            ::GetModuleHandleW(nullptr), nullptr);
        mControls[static_cast<std::size_t>(place.control)] = control;
        if (place.kind == ControlKind::ComboBox) // the entries follow the scope (showOptions)
            for (const char* entry : ui::walkOrderEntries({}))
                ::SendMessageW(control, CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(wide(entry).c_str()));
        // Shown also while the box has the keyboard, until the first letter is typed.
        if (*ui::placeholderText(place.control))
            ::SendMessageW(
                control, EM_SETCUEBANNER, TRUE,
                reinterpret_cast<LPARAM>(wide(ui::placeholderText(place.control)).c_str()));
        // The outer frame only holds the others, as on Linux.
        if (!place.container && place.kind == ControlKind::Frame)
            ::ShowWindow(control, SW_HIDE);
    }
    // Tab follows the order of the windows: the table's Tab order first, each label right
    // before the control its access key reaches, which the dialog keys move the keyboard to;
    // the frames last so that they never paint over what they hold.
    HWND previous = HWND_TOP;
    const auto next = [&](Control control) {
        ::SetWindowPos((*this)[control], previous, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = (*this)[control];
    };
    for (Control control : ui::mainWindowTabOrder()) {
        for (const ui::ControlPlace& place : ui::mainWindowControls())
            if (place.control != control && ui::accessKeyTarget(place.control) == control)
                next(place.control);
        next(control);
    }
    // A container lies under what it holds, the inner frames over the outer ones.
    const std::span<const ui::ControlPlace> places = ui::mainWindowControls();
    for (auto place = places.rbegin(); place != places.rend(); ++place)
        if (place->kind == ControlKind::Frame || place->kind == ControlKind::CaptionFrame)
            ::SetWindowPos((*this)[place->control], HWND_BOTTOM, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int MainControls::place(UINT dpi) const {
    // The table places a control within its container; the native controls all sit in the
    // window's client area.
    const double factor = widthFactor(ui::mainWindowControls(), *this, dpi);
    std::array<POINT, ui::controlCount> origin{};
    for (const ui::ControlPlace& place : ui::mainWindowControls()) {
        const POINT base =
            place.container ? origin[static_cast<std::size_t>(*place.container)] : POINT{0, 0};
        const POINT at{base.x + place.left, base.y + place.top};
        origin[static_cast<std::size_t>(place.control)] = at;
        // Both edges are widened, so that neighbours that touched still touch.
        const int left = widened(at.x, factor);
        const int width = widened(at.x + place.width, factor) - left;
        const RECT rect = twipsRect(left, at.y, width, nativeHeight(place), dpi);
        ::SetWindowPos((*this)[place.control], nullptr, rect.left, rect.top, rect.right - rect.left,
                       rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return twipsToPixels(widened(ui::mainClientWidth, factor), dpi);
}

HMENU makeMenuBar() {
    HMENU bar = ::CreateMenu();
    std::array<HMENU, ui::menuItemCount> menus{};
    for (const ui::MenuPlace& place : ui::mainWindowMenus()) {
        const std::wstring caption = wide(place.caption);
        if (place.menu) {
            ::AppendMenuW(menus[static_cast<std::size_t>(*place.menu)], MF_STRING,
                          static_cast<UINT_PTR>(menuId(place.item)), caption.c_str());
        } else {
            HMENU menu = ::CreatePopupMenu();
            menus[static_cast<std::size_t>(place.item)] = menu;
            ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), caption.c_str());
        }
    }
    return bar;
}

} // namespace sequate::win

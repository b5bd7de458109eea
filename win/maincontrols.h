#pragma once

// The main window's controls and menus made from the layout table: a native control per row,
// placed at the row's twips for the window's dpi, in the table's Tab order. A control's
// identifier stands for its objectName: controlId() of the table's Control.

#include "ui/mainwindowlayout.h"

#include <array>
#include <optional>
#include <windows.h>

namespace sequate::win {

constexpr int controlId(ui::Control control) {
    return 1000 + static_cast<int>(control);
}
constexpr int menuId(ui::MenuItem item) {
    return 2000 + static_cast<int>(item);
}
std::optional<ui::Control> controlWithId(int id);
std::optional<ui::MenuItem> menuItemWithId(int id);

class MainControls {
public:
    // Creates every control in window, hidden ones included; they are placed by place().
    explicit MainControls(HWND window);

    // Places the controls at the table's twips, all widened by one factor where the dialog font
    // needs more room for a caption than the table gives; returns the client area's width.
    int place(UINT dpi) const;
    HWND operator[](ui::Control control) const {
        return mControls[static_cast<std::size_t>(control)];
    }

private:
    std::array<HWND, ui::controlCount> mControls{};
};

// The menu bar: Pass and Help with their items.
HMENU makeMenuBar();

} // namespace sequate::win

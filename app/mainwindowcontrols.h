#pragma once

// The main window's controls and menus, made as the layout table places them.

#include "ui/mainwindowlayout.h"

#include <array>

class QAction;
class QMainWindow;
class QWidget;

namespace sequate::app {

class MainWindowControls {
public:
    explicit MainWindowControls(QMainWindow& window);

    QWidget* operator[](ui::Control control) const;
    template <typename Widget>
    Widget* get(ui::Control control) const {
        return static_cast<Widget*>((*this)[control]);
    }
    // Menus and their items.
    QAction* action(ui::MenuItem item) const;

private:
    std::array<QWidget*, ui::controlCount> mControls{};
    std::array<QAction*, ui::menuItemCount> mActions{};
};

} // namespace sequate::app

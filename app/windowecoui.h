#pragma once

#include "eco/ecooutput.h"

class QWidget;

namespace sequate::app {

class Dialogs;

// The ECO step's questions and messages, shown over the main window.
class WindowEcoUi : public eco::EcoUi {
public:
    WindowEcoUi(Dialogs& dialogs, QWidget& window);

    std::optional<std::string> chooseSaveFile(const std::string& filter) override;

private:
    Dialogs& mDialogs;
    QWidget& mWindow;
};

} // namespace sequate::app

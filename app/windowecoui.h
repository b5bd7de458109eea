#pragma once

#include "eco/ecofiledialog.h"

class QWidget;

namespace sequate::app {

class Dialogs;

// The ECO step's questions and messages, shown over the main window.
class WindowEcoUi : public eco::EcoUi {
public:
    WindowEcoUi(Dialogs& dialogs, QWidget& window);

    std::optional<std::string> chooseSaveFile(const std::string& filter) override;
    std::optional<std::string> chooseSaveFile(const std::string& filter,
                                              const std::string& caption) override;
    // The file the user chose last, for the pass report.
    const std::string& chosenPath() const { return mChosenPath; }

private:
    Dialogs& mDialogs;
    QWidget& mWindow;
    std::string mChosenPath;
};

} // namespace sequate::app

#pragma once

// The user's remembered options on Linux: the Qt settings file of organization and application
// "Sequate", ~/.config/Sequate/Sequate.conf (or under $XDG_CONFIG_HOME).

#include "ui/settingsstore.h"

#include <QSettings>
#include <memory>

namespace sequate::app {

class QtSettingsStore : public ui::SettingsStore {
public:
    // A FIFO, a device or a folder standing at the settings file is neither read nor written (a
    // FIFO would hold the window before it ever showed): the options start as a first start's,
    // and the reason goes to standard error.
    QtSettingsStore();

    std::optional<std::string> read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override;

    // Where the options are kept.
    static QString fileName();

private:
    std::unique_ptr<QSettings> mSettings; // none when the file is not one to read
};

} // namespace sequate::app

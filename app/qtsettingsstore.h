#pragma once

// The user's remembered options on Linux: the Qt settings file of organization and application
// "Sequate", ~/.config/Sequate/Sequate.conf (or under $XDG_CONFIG_HOME).

#include "ui/settingsstore.h"

#include <QSettings>

namespace sequate::app {

class QtSettingsStore : public ui::SettingsStore {
public:
    QtSettingsStore();

    std::optional<std::string> read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override;

private:
    QSettings mSettings;
};

} // namespace sequate::app

#pragma once

// The user's remembered options on Windows: text values of HKEY_CURRENT_USER\Software\Sequate,
// the one place of the registry Sequate writes.

#include "ui/settingsstore.h"

namespace sequate::win {

class RegistrySettingsStore : public ui::SettingsStore {
public:
    std::optional<std::string> read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override;
};

} // namespace sequate::win

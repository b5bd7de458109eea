#pragma once

// Where the window's options are remembered between starts, for the user who runs the program:
// named texts. Each view keeps them where its system keeps a user's settings; nothing of a
// design goes there.

#include <optional>
#include <string>

namespace sequate::ui {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // None when nothing was written under the key, or it cannot be read.
    virtual std::optional<std::string> read(const std::string& key) const = 0;
    // A value that cannot be written is given up: remembering is a convenience, never a reason
    // to stop the user.
    virtual void write(const std::string& key, const std::string& value) = 0;
};

} // namespace sequate::ui

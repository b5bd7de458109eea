#pragma once

// A window's save dialog as a view gives it, both to the ECO step and to the saving of a list:
// it answers with a path and remembers what it was asked and told.

#include "eco/ecofiledialog.h"
#include "tests/support/privatedatafolder.h"
#include "ui/savefile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace sequate::ui {

// An empty folder of the test's own in the process's private data folder.
inline std::filesystem::path emptyFolder(const std::string& name) {
    const std::filesystem::path folder = testing::privateDataFolder / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FakeSaveDialog : public eco::EcoUi, public SaveDialog {
public:
    std::optional<std::string> answer; // nothing: Cancel
    std::vector<std::string> asked;    // "filter | offered name", one per dialog shown
    std::vector<Message> messages;

    std::optional<std::string> chooseSaveFile(const std::string& filter) override {
        return chooseFile(filter, {});
    }
    std::optional<std::string> chooseFile(const std::string& filter,
                                          const std::string& suggestedName) override {
        asked.push_back(filter + " | " + suggestedName);
        return answer;
    }
    void showMessage(const Message& message) override { messages.push_back(message); }
};

} // namespace sequate::ui

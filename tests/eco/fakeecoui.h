#pragma once

#include "eco/ecooutput.h"

#include <optional>
#include <string>
#include <vector>

namespace sequate::eco::test {

// The window's dialogs as a test plays them: the file the user picks, and the messages shown.
class FakeEcoUi : public EcoUi {
public:
    std::optional<std::string> choice;
    std::vector<std::string> filters;
    std::vector<std::string> messages;

    std::optional<std::string> chooseSaveFile(const std::string& filter) override {
        filters.push_back(filter);
        return choice;
    }
    void showCritical(const std::string& text) override { messages.push_back(text); }
};

} // namespace sequate::eco::test

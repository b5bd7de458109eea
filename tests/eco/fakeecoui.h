#pragma once

#include "eco/ecofiledialog.h"

#include <optional>
#include <string>
#include <vector>

namespace sequate::eco::test {

// The save dialog as a test plays it: the file the user picks.
class FakeEcoUi : public EcoUi {
public:
    std::optional<std::string> choice;
    std::vector<std::string> filters;

    std::optional<std::string> chooseSaveFile(const std::string& filter) override {
        filters.push_back(filter);
        return choice;
    }
};

} // namespace sequate::eco::test

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
    std::vector<std::string> captions;

    std::optional<std::string> chooseSaveFile(const std::string& filter) override {
        return chooseSaveFile(filter, "");
    }
    std::optional<std::string> chooseSaveFile(const std::string& filter,
                                              const std::string& caption) override {
        filters.push_back(filter);
        captions.push_back(caption);
        return choice;
    }
};

} // namespace sequate::eco::test

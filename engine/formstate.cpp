#include "formstate.h"

namespace sequate::engine {

void FormState::TallennaMuuttamaton(const std::string& component) {
    oldNames.push_back(component);
}

void FormState::TallennaMuutettu(const std::string& component) {
    newNames.push_back(component);
}

void FormState::tyhjenna() {
    listPosition = 1;
    selectedDone = 0;
    codeOffset = 0;
    unnamedNames.clear();
    oldNames.clear();
    allNames.clear();
    selectedNames.clear();
    newNames.clear();
    ecoNames.clear();
}

} // namespace sequate::engine

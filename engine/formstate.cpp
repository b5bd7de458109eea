#include "formstate.h"

namespace sequate::engine {

void FormState::recordOldName(const std::string& component) {
    oldNames.push_back(component);
}

void FormState::recordNewName(const std::string& component) {
    newNames.push_back(component);
}

void FormState::clearPassTables() {
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

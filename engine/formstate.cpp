#include "formstate.h"

namespace sequate::engine {

void FormState::tallennakaikki() {
    allNames.clear();
    // The count is asked again before every item, as the host may change the list's length.
    for (std::int32_t i = 1; i <= workList->Count(); ++i)
        allNames.push_back(workList->Item(i)->Value());
}

void FormState::TalletaSelected() {
    selectedNames.clear();
    // Item 1 is asked for before the count: an empty list fails here, in the host.
    std::int32_t i = 1;
    do {
        auto component = workList->Item(i);
        if (component->Selected())
            selectedNames.push_back(component->Name());
        ++i;
    } while (i <= workList->Count());
}

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

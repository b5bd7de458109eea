#include "renaming.h"

#include "passstop.h"

namespace sequate::engine {

void renameComponent(FormState& state, PassJournal& journal,
                     const std::shared_ptr<host::LogicComponent>& component,
                     const std::string& presentName, const std::string& newName) {
    state.TallennaMuuttamaton(presentName);
    setAndRecord(state, journal, component, presentName, newName);
}

void setAndRecord(FormState& state, PassJournal& journal,
                  const std::shared_ptr<host::LogicComponent>& component,
                  const std::string& presentName, const std::string& newName) {
    try {
        component->SetName(newName);
    } catch (const host::HostFailure& failure) {
        throw RenameRefused("PowerLogic did not rename " + presentName + " to " + newName + ": " +
                                describeFailure(failure) + ".",
                            newName, failure.code());
    }
    journal.add(component, presentName, newName);
    std::string readBack;
    try {
        readBack = component->Name();
    } catch (const host::HostFailure& failure) {
        throw PassStop("After renaming " + presentName + " to " + newName +
                       ", its new name could not be read back: " + describeFailure(failure) + ".");
    }
    journal.confirmLast(readBack);
    state.TallennaMuutettu(readBack);
}

} // namespace sequate::engine

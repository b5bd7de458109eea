#include "renaming.h"

#include "engine/passstop.h"

namespace sequate::engine::reference {

namespace {

// A call that failed on its way back (a lost answer, a timeout) may still have renamed the
// component: then the rename goes into the journal, so that it is undone with the others.
void keepIfMadeAfterAll(PassJournal& journal,
                        const std::shared_ptr<host::LogicComponent>& component,
                        const std::string& presentName, const std::string& newName) {
    try {
        if (newName != presentName && component->Name() == newName)
            journal.add(component, presentName, newName);
    } catch (const host::HostFailure&) {
        // The host cannot tell whether the rename was made; the pass can do no more.
    }
}

} // namespace

void renameComponent(FormState& state, PassJournal& journal,
                     const std::shared_ptr<host::LogicComponent>& component,
                     const std::string& presentName, const std::string& newName) {
    state.recordOldName(presentName);
    setAndRecord(state, journal, component, presentName, newName);
}

void setAndRecord(FormState& state, PassJournal& journal,
                  const std::shared_ptr<host::LogicComponent>& component,
                  const std::string& presentName, const std::string& newName) {
    try {
        component->SetName(newName);
    } catch (const host::HostFailure& failure) {
        keepIfMadeAfterAll(journal, component, presentName, newName);
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
    state.recordNewName(readBack);
}

} // namespace sequate::engine::reference

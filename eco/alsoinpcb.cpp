#include "atomicfile.h"
#include "eco/ecooutput.h"
#include "ecofilename.h"
#include "host/hostfailure.h"
#include "privatefolder.h"

#include <memory>
#include <stdexcept>

namespace sequate::eco {

namespace {

constexpr const char* notUpdated =
    "The layout in PowerPCB was not updated; the renames in the schematic stay as they are.";
constexpr const char* perhapsUpdated =
    "Check the layout in PowerPCB: it may lack the renames. The renames in the schematic stay "
    "as they are.";
constexpr const char* updated = "The layout in PowerPCB has the renames.";

// A step of the hand-off that failed; the message names the step and the reason.
struct HandOffFailure {
    std::string message;
};

std::string withoutFullStop(std::string text) {
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

// Runs one step; any failure ends the hand-off with a message naming the step.
template <typename Step>
auto attempt(const std::string& step, const char* outcome, Step&& run) -> decltype(run()) {
    try {
        return run();
    } catch (const host::HostFailure& e) {
        throw HandOffFailure{step + ": " + withoutFullStop(e.what()) + " (error " +
                             host::codeText(e.code()) + ").\n\n" + outcome};
    } catch (const EcoError& e) {
        throw HandOffFailure{std::string(e.what()) + "\n\n" + outcome};
    } catch (const std::exception& e) {
        throw HandOffFailure{step + ": " + withoutFullStop(e.what()) + ".\n\n" + outcome};
    } catch (...) {
        throw HandOffFailure{step + ": an unexpected problem.\n\n" + outcome};
    }
}

template <typename T>
std::shared_ptr<T> present(std::shared_ptr<T> object, const char* absence) {
    if (!object)
        throw std::runtime_error(absence);
    return object;
}

std::shared_ptr<host::PcbApplication> attachPowerPcb(host::RunningObjects& objects) {
    try {
        return present(objects.attachPowerPcb(), "PowerPCB is not running");
    } catch (const host::HostFailure& e) {
        if (e.code() != host::HostCode::NotRunning)
            throw;
        throw host::HostFailure(e.code(), "PowerPCB is not running");
    }
}

std::string schematicEcoName(host::LogicApplication& powerLogicApp) {
    const auto document = present(powerLogicApp.CurrentDocument(), "no schematic is open");
    return ecoFileNameFor(document->Name());
}

// The order matters: PowerPCB and its layout are reached before anything is written, so an
// unreachable PowerPCB leaves no file behind.
void handOff(host::LogicApplication& powerLogicApp, host::RunningObjects& objects,
             const std::vector<std::string>& oldNames, const std::vector<std::string>& newNames) {
    const std::string text = attempt("The ECO file was not written", notUpdated,
                                     [&] { return ecoText(oldNames, newNames); });
    const std::string fileName =
        attempt("Sequate could not read the schematic's name from PowerLogic", notUpdated,
                [&] { return schematicEcoName(powerLogicApp); });
    const auto pcb = attempt("Sequate could not reach PowerPCB", notUpdated,
                             [&] { return attachPowerPcb(objects); });
    const auto layout =
        attempt("Sequate could not take the layout open in PowerPCB", notUpdated,
                [&] { return present(pcb->CurrentDocument(), "no layout is open"); });
    const auto folder = attempt("Sequate could not make a folder for the ECO file", notUpdated,
                                [] { return std::make_unique<PrivateFolder>(); });
    const std::string path = (folder->path() / fileName).string();
    attempt("Sequate could not write the ECO file", notUpdated,
            [&] { writeFileAtomically(path, text); });
    attempt("PowerPCB could not read the ECO file \"" + path + "\"", perhapsUpdated,
            [&] { layout->ReadEcoFile(path); });
    attempt("Sequate could not delete the ECO file \"" + path + "\"", updated,
            [&] { folder->remove(); });
}

} // namespace

bool AlsoInPCB(host::LogicApplication& powerLogicApp, host::RunningObjects& objects,
               const std::vector<std::string>& oldNames, const std::vector<std::string>& newNames,
               EcoUi& ui) {
    try {
        handOff(powerLogicApp, objects, oldNames, newNames);
        return true;
    } catch (const HandOffFailure& failure) {
        ui.showCritical(failure.message);
        return false;
    }
}

} // namespace sequate::eco

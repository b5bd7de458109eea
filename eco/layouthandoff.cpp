#include "layouthandoff.h"

#include "atomicfile.h"
#include "ecoerror.h"
#include "ecofilename.h"
#include "ecotext.h"
#include "host/hostfailure.h"
#include "privatefolder.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>

namespace sequate::eco {

namespace {

// A step of the hand-off that failed; the message names the step and the reason.
struct HandOffFailure {
    host::EcoOutcome outcome;
    std::string message;
    bool refusedWhole = false;
};

std::string withoutFullStop(std::string text) {
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

// The code comes last, as a detail for whoever looks further.
std::string reasonOf(const std::string& step, const host::HostFailure& e) {
    return step + ": " + withoutFullStop(e.what()) + " (error " + host::codeText(e.code()) + ").";
}

HandOffFailure notDelivered(std::string message) {
    return {host::EcoOutcome::NotDelivered, std::move(message)};
}

// Runs one step; any failure ends the hand-off with a message naming the step.
template <typename Step>
auto attempt(const std::string& step, Step&& run) -> decltype(run()) {
    try {
        return run();
    } catch (const host::HostFailure& e) {
        throw HandOffFailure{host::EcoOutcome::NotDelivered, reasonOf(step, e)};
    } catch (const EcoError& e) {
        throw HandOffFailure{host::EcoOutcome::NotDelivered, e.what()};
    } catch (const std::exception& e) {
        throw HandOffFailure{host::EcoOutcome::NotDelivered,
                             step + ": " + withoutFullStop(e.what()) + "."};
    }
}

template <typename T>
std::shared_ptr<T> present(std::shared_ptr<T> object, const char* absence) {
    if (!object)
        throw std::runtime_error(absence);
    return object;
}

// PowerPCB not running and PowerPCB without a layout each get their own advice.
std::shared_ptr<host::PcbDocument> openLayout(host::RunningObjects& objects) {
    std::shared_ptr<host::PcbApplication> pcb;
    try {
        pcb = objects.attachPowerPcb();
    } catch (const host::HostFailure& e) {
        if (e.code() != host::HostCode::NotRunning)
            throw notDelivered(reasonOf("Sequate could not reach PowerPCB", e));
    }
    if (!pcb)
        throw notDelivered(
            "PowerPCB is not running. Start PowerPCB with the layout open, then press Run again.");
    std::shared_ptr<host::PcbDocument> layout;
    try {
        layout = pcb->CurrentDocument();
    } catch (const host::HostFailure& e) {
        if (e.code() != host::HostCode::NoProject)
            throw notDelivered(reasonOf("Sequate could not take the layout open in PowerPCB", e));
    }
    if (!layout)
        throw notDelivered("PowerPCB is running, but no layout is open in it. Open the layout in "
                           "PowerPCB, then press Run again.");
    return layout;
}

std::string schematicEcoName(host::LogicApplication& application) {
    const auto document = present(application.CurrentDocument(), "no schematic is open");
    return ecoFileNameFor(document->Name());
}

// Whether PowerPCB read the probe: true, it did, so its layout took the file the probe follows;
// false, it refused it, so the layout is as it was (PowerPCB applies a file whole or not at
// all); none, with `why`, when that is not known.
std::optional<bool> readProbe(host::PcbDocument& layout, const std::string& path,
                              const FailedRead& failed, std::string& why) {
    try {
        writeFileAtomically(path, ecoText(failed.probeOldNames, failed.probeNewNames));
        layout.ReadEcoFile(path);
        return true;
    } catch (const host::HostFailure& e) {
        if (!e.answerMayBeLost())
            return false;
        why = withoutFullStop(e.what()) + " (error " + host::codeText(e.code()) + ")";
    } catch (const std::exception& e) {
        why = withoutFullStop(e.what());
    }
    return std::nullopt;
}

// PowerPCB's answer decides nothing by itself: a read that failed may still have taken effect,
// so a probe finds out, where a name tells; where nothing tells, the file stays for the user.
void readIntoLayout(host::PcbDocument& layout, PrivateFolder& folder, const std::string& path,
                    const std::string& fileName, const FailedRead& failed) {
    try {
        layout.ReadEcoFile(path);
        return;
    } catch (const host::HostFailure& e) {
        const std::string reason = reasonOf("PowerPCB did not read the ECO file", e);
        if (failed.refusalTells && !e.answerMayBeLost())
            throw HandOffFailure{host::EcoOutcome::NotDelivered, reason, true};
        std::string why = "nothing tells, since the renames only move names among the components";
        if (!failed.probeOldNames.empty()) {
            // The probe renames and renames back: read late, or not at all, it changes nothing,
            // so only the ECO file stays in a folder kept for the user.
            const std::filesystem::path probe = folder.path() / ("probe-" + fileName);
            const auto took = readProbe(layout, probe.string(), failed, why);
            std::error_code ignored;
            std::filesystem::remove(probe, ignored);
            if (took) {
                if (*took)
                    return;
                throw HandOffFailure{host::EcoOutcome::NotDelivered,
                                     reason + " The layout in PowerPCB does not have the renames.",
                                     true};
            }
        }
        folder.keep();
        throw HandOffFailure{
            host::EcoOutcome::Unknown,
            reasonOf("PowerPCB's answer to the ECO file failed", e) +
                " Whether the layout took the renames is not known (" + why +
                "), so the renames in the schematic stay, and the ECO file is kept at \"" + path +
                "\": read it into the layout in PowerPCB by hand if the layout lacks them."};
    }
}

// The order matters: PowerPCB and its layout are reached before anything is written, so an
// unreachable PowerPCB leaves no file behind.
void handOff(host::LogicApplication& application, host::RunningObjects& objects,
             const std::vector<std::string>& oldNames, const std::vector<std::string>& newNames,
             const std::function<void(const std::string&)>& beforeRead, const FailedRead& failed) {
    const std::string text =
        attempt("The ECO file was not written", [&] { return ecoText(oldNames, newNames); });
    const std::string fileName =
        attempt("Sequate could not read the schematic's name from PowerLogic",
                [&] { return schematicEcoName(application); });
    const auto layout = openLayout(objects);
    const auto folder = attempt("Sequate could not make a folder for the ECO file",
                                [] { return std::make_unique<PrivateFolder>(); });
    const std::string path = (folder->path() / fileName).string();
    attempt("Sequate could not write the ECO file", [&] { writeFileAtomically(path, text); });
    if (beforeRead)
        attempt("Sequate could not note the hand-off in the journal of the pass",
                [&] { beforeRead(path); });
    readIntoLayout(*layout, *folder, path, fileName, failed);
    try {
        folder->remove();
    } catch (const std::exception& e) {
        throw HandOffFailure{host::EcoOutcome::FileLeftOver,
                             "The layout in PowerPCB has the renames, but Sequate could not delete "
                             "the ECO file \"" +
                                 path + "\": " + withoutFullStop(e.what()) + "."};
    }
}

} // namespace

std::string layoutUnreachable(host::RunningObjects& objects) {
    try {
        openLayout(objects);
        return {};
    } catch (const HandOffFailure& failure) {
        return failure.message;
    }
}

host::EcoDelivery sendEcoToLayout(host::LogicApplication& application,
                                  host::RunningObjects& objects,
                                  const std::vector<std::string>& oldNames,
                                  const std::vector<std::string>& newNames,
                                  const std::function<void(const std::string&)>& beforeRead,
                                  const FailedRead& failed) {
    try {
        handOff(application, objects, oldNames, newNames, beforeRead, failed);
        return {};
    } catch (const HandOffFailure& failure) {
        return {failure.outcome, failure.message, failure.refusedWhole};
    } catch (...) {
        return {host::EcoOutcome::NotDelivered,
                "The ECO file could not be handed to PowerPCB: an unexpected problem."};
    }
}

} // namespace sequate::eco

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
#include <utility>

namespace sequate::eco {

namespace {

// A step of the hand-off that failed, with what it leaves.
struct HandOffFailure {
    host::EcoOutcome outcome;
    host::EcoProblem problem;
    bool refusedWhole = false;
};

HandOffFailure notDelivered(host::EcoProblem problem) {
    return {host::EcoOutcome::NotDelivered, std::move(problem)};
}

host::EcoProblem failedIn(host::EcoStage stage, const host::HostFailure& e) {
    return {host::EcoStageFailed{stage, e.what(), e.code()}};
}

// Runs one step; any failure ends the hand-off with a problem naming the step.
template <typename Step>
auto attempt(host::EcoStage stage, Step&& run) -> decltype(run()) {
    try {
        return run();
    } catch (const host::HostFailure& e) {
        throw notDelivered(failedIn(stage, e));
    } catch (const EcoError& e) {
        throw notDelivered(e.problem());
    } catch (const std::exception& e) {
        throw notDelivered({host::EcoStageFailed{stage, e.what(), std::nullopt}});
    }
}

// PowerPCB not running and PowerPCB without a layout each get their own advice.
std::shared_ptr<host::PcbDocument> openLayout(host::RunningObjects& objects) {
    std::shared_ptr<host::PcbApplication> pcb;
    try {
        pcb = objects.attachPowerPcb();
    } catch (const host::HostFailure& e) {
        if (e.code() != host::HostCode::NotRunning)
            throw notDelivered(failedIn(host::EcoStage::ReachPowerPcb, e));
    }
    if (!pcb)
        throw notDelivered({host::LayoutAbsence::PowerPcbNotRunning});
    std::shared_ptr<host::PcbDocument> layout;
    try {
        layout = pcb->CurrentDocument();
    } catch (const host::HostFailure& e) {
        if (e.code() != host::HostCode::NoProject)
            throw notDelivered(failedIn(host::EcoStage::TakeLayout, e));
    }
    if (!layout)
        throw notDelivered({host::LayoutAbsence::NoLayoutOpen});
    return layout;
}

std::string schematicEcoName(host::LogicApplication& application) {
    const auto document = application.CurrentDocument();
    if (!document)
        throw EcoError({host::EcoNoSchematic{}});
    return ecoFileNameFor(document->Name());
}

// Whether PowerPCB read the probe: true, it did, so its layout took the file the probe follows;
// false, it refused it, so the layout is as it was (PowerPCB applies a file whole or not at
// all); none, with `why`, when that is not known.
std::optional<bool> readProbe(host::PcbDocument& layout, const std::string& path,
                              const FailedRead& failed,
                              std::shared_ptr<const host::EcoProblem>& why) {
    try {
        writeFileAtomically(path, ecoText(failed.probeOldNames, failed.probeNewNames));
        layout.ReadEcoFile(path);
        return true;
    } catch (const host::HostFailure& e) {
        if (!e.answerMayBeLost())
            return false;
        why = std::make_shared<host::EcoProblem>(failedIn(host::EcoStage::ProbeRead, e));
    } catch (const EcoError& e) {
        why = std::make_shared<host::EcoProblem>(e.problem());
    } catch (const std::exception& e) {
        why = std::make_shared<host::EcoProblem>(
            host::EcoProblem{host::EcoStageFailed{host::EcoStage::ProbeRead, e.what(), {}}});
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
        if (failed.refusalTells && !e.answerMayBeLost())
            throw HandOffFailure{host::EcoOutcome::NotDelivered,
                                 {host::EcoReadRefused{e.what(), e.code(), false}},
                                 true};
        std::shared_ptr<const host::EcoProblem> why;
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
                                     {host::EcoReadRefused{e.what(), e.code(), true}},
                                     true};
            }
        }
        folder.keep();
        throw HandOffFailure{host::EcoOutcome::Unknown,
                             {host::EcoAnswerLost{e.what(), e.code(), path, std::move(why)}}};
    }
}

// The order matters: PowerPCB and its layout are reached before anything is written, so an
// unreachable PowerPCB leaves no file behind.
void handOff(host::LogicApplication& application, host::RunningObjects& objects,
             const std::vector<std::string>& oldNames, const std::vector<std::string>& newNames,
             const std::function<void(const std::string&)>& beforeRead, const FailedRead& failed) {
    using host::EcoStage;
    const std::string text = attempt(EcoStage::Text, [&] { return ecoText(oldNames, newNames); });
    const std::string fileName =
        attempt(EcoStage::SchematicName, [&] { return schematicEcoName(application); });
    const auto layout = openLayout(objects);
    const auto folder =
        attempt(EcoStage::MakeFolder, [] { return std::make_unique<PrivateFolder>(); });
    const std::string path = (folder->path() / fileName).string();
    attempt(EcoStage::WriteFile, [&] { writeFileAtomically(path, text); });
    if (beforeRead)
        attempt(EcoStage::NoteHandOff, [&] { beforeRead(path); });
    readIntoLayout(*layout, *folder, path, fileName, failed);
    try {
        folder->remove();
    } catch (const std::exception& e) {
        throw HandOffFailure{host::EcoOutcome::FileLeftOver,
                             {host::EcoFileNotDeleted{path, e.what()}}};
    }
}

} // namespace

std::optional<host::EcoProblem> layoutUnreachable(host::RunningObjects& objects) {
    try {
        openLayout(objects);
        return std::nullopt;
    } catch (const HandOffFailure& failure) {
        return failure.problem;
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
        return {host::EcoOutcome::Delivered};
    } catch (const HandOffFailure& failure) {
        host::EcoDelivery delivery(failure.outcome, {}, failure.refusedWhole);
        delivery.problem = failure.problem;
        return delivery;
    } catch (...) {
        host::EcoDelivery delivery(host::EcoOutcome::NotDelivered);
        delivery.problem = {host::EcoUnexpected{}};
        return delivery;
    }
}

} // namespace sequate::eco

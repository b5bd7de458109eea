#include "ecotexts.h"

#include "host/partnamewords.h"

namespace sequate::ui {

namespace {

std::string withoutFullStop(std::string text) {
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

// The host's code comes last, as a detail for whoever looks further.
std::string withCode(const std::string& reason, host::HostCode code) {
    return withoutFullStop(reason) + " (error " + host::codeText(code) + ")";
}

const char* stageText(host::EcoStage stage) {
    switch (stage) {
    case host::EcoStage::ChosenFile:
    case host::EcoStage::Text:
        return "The ECO file was not written";
    case host::EcoStage::SchematicName:
        return "Sequate could not read the schematic's name from PowerLogic";
    case host::EcoStage::ReachPowerPcb:
        return "Sequate could not reach PowerPCB";
    case host::EcoStage::TakeLayout:
        return "Sequate could not take the layout open in PowerPCB";
    case host::EcoStage::MakeFolder:
        return "Sequate could not make a folder for the ECO file";
    case host::EcoStage::WriteFile:
        return "Sequate could not write the ECO file";
    case host::EcoStage::NoteHandOff:
        return "Sequate could not note the hand-off in the journal of the pass";
    case host::EcoStage::ProbeRead:
        break;
    }
    return "";
}

std::string text(const host::EcoStageFailed& failed) {
    // The save dialog's writer quotes the reason as it came.
    if (failed.stage == host::EcoStage::ChosenFile)
        return std::string(stageText(failed.stage)) + ": " + failed.reason;
    const std::string reason =
        failed.code ? withCode(failed.reason, *failed.code) : withoutFullStop(failed.reason);
    // The probe's failure is only ever the detail of a lost answer.
    if (failed.stage == host::EcoStage::ProbeRead)
        return reason + ".";
    return std::string(stageText(failed.stage)) + ": " + reason + ".";
}

std::string text(const host::EcoNameRefused& refused) {
    const char* side = refused.side == host::EcoNameRefused::Side::Old ? "old" : "new";
    return std::string("The ECO file was not written: the ") + side + " name \"" + refused.name +
           "\" of rename " + std::to_string(refused.renameNumber) + " " +
           host::nameFaultReason(refused.rule) + ".";
}

std::string text(const host::EcoRowsUneven& uneven) {
    return "The ECO file was not written: the rename records are uneven (old names: " +
           std::to_string(uneven.oldNames) + ", new names: " + std::to_string(uneven.newNames) +
           ").";
}

std::string reason(const host::EcoFileUnwritten& unwritten) {
    using Fault = host::EcoFileUnwritten::Fault;
    switch (unwritten.fault) {
    case Fault::NoFileName:
        return "no file name was given";
    case Fault::NamesAFolder:
        return "it names a folder";
    case Fault::UntrustedLink:
        return "the link \"" + unwritten.detail +
               "\" belongs to another user in a folder that everyone can write to, so it is not "
               "followed";
    case Fault::NotAFile:
        return "it is " + unwritten.detail + ", not a file, so Sequate does not replace it";
    case Fault::System:
        break;
    }
    return unwritten.detail;
}

std::string text(const host::EcoFileUnwritten& unwritten) {
    if (unwritten.fault == host::EcoFileUnwritten::Fault::NoFileName)
        return "Cannot write the ECO file: " + reason(unwritten) + ".";
    return "Cannot write the ECO file \"" + unwritten.path + "\": " + reason(unwritten) + ".";
}

std::string text(const host::EcoFolderUnmade& unmade) {
    if (unmade.parent.empty())
        return "Cannot find the temporary folder for the ECO file: " + unmade.reason + ".";
    return "Cannot create a private folder for the ECO file in \"" + unmade.parent +
           "\": " + unmade.reason + ".";
}

std::string text(host::LayoutAbsence absence) {
    if (absence == host::LayoutAbsence::PowerPcbNotRunning)
        return "PowerPCB is not running. Start PowerPCB with the layout open, then press Run "
               "again.";
    return "PowerPCB is running, but no layout is open in it. Open the layout in PowerPCB, then "
           "press Run again.";
}

std::string text(const host::EcoReadRefused& refused) {
    return "PowerPCB did not read the ECO file: " + withCode(refused.reason, refused.code) + "." +
           (refused.byProbe ? " The layout in PowerPCB does not have the renames." : "");
}

std::string text(const host::EcoAnswerLost& lost) {
    const std::string why =
        lost.probeFailure
            ? withoutFullStop(ecoProblemText(*lost.probeFailure))
            : std::string("nothing tells, since the renames only move names among the components");
    return "PowerPCB's answer to the ECO file failed: " + withCode(lost.reason, lost.code) +
           ". Whether the layout took the renames is not known (" + why +
           "), so the renames in the schematic stay, and the ECO file is kept at \"" +
           lost.keptFile +
           "\": read it into the layout in PowerPCB by hand if the layout lacks them.";
}

std::string text(const host::EcoFileNotDeleted& left) {
    return "The layout in PowerPCB has the renames, but Sequate could not delete the ECO file \"" +
           left.path + "\": " + withoutFullStop(left.reason) + ".";
}

std::string text(host::EcoNoSchematic) {
    return std::string(stageText(host::EcoStage::SchematicName)) + ": no schematic is open.";
}

std::string text(const host::EcoNoFileGiven& none) {
    return "The ECO file was not written: " + none.program +
           " writes one only to the file that --eco-file names.";
}

std::string text(host::EcoUnexpected) {
    return "The ECO file could not be handed to PowerPCB: an unexpected problem.";
}

std::string text(const host::EcoStepThrew& threw) {
    return "The ECO file could not be written: " +
           (threw.reason.empty() ? std::string("an unexpected problem") : threw.reason) + ".";
}

} // namespace

std::string ecoProblemText(const host::EcoProblem& problem) {
    return std::visit([](const auto& what) { return text(what); }, problem.what);
}

std::string fileProblemReason(const host::EcoProblem& problem) {
    const auto* unwritten = std::get_if<host::EcoFileUnwritten>(&problem.what);
    if (!unwritten || unwritten->fault == host::EcoFileUnwritten::Fault::NoFileName)
        return ecoProblemText(problem);
    return reason(*unwritten);
}

} // namespace sequate::ui

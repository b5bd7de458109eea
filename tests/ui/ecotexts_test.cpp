// The words of the ECO step's problems: each kind of problem, with what it carries in its place.

#include "ui/ecotexts.h"

#include <gtest/gtest.h>

namespace sequate::ui {
namespace {

using host::EcoFileUnwritten;
using host::EcoProblem;
using host::EcoStage;
using host::HostCode;
using Fault = EcoFileUnwritten::Fault;

EcoProblem unwritten(Fault fault, std::string detail = {}) {
    return {EcoFileUnwritten{fault, fault == Fault::NoFileName ? "" : "/d/a.eco", detail}};
}

EcoProblem lost(std::shared_ptr<const EcoProblem> probe) {
    return {host::EcoAnswerLost{"ReadEcoFile failed.", HostCode::Timeout, "/t/a.eco", probe}};
}

const std::string lostStart = "PowerPCB's answer to the ECO file failed: ReadEcoFile failed "
                              "(error 0x800705B4). Whether the layout took the renames is not "
                              "known (";
const std::string lostEnd = "), so the renames in the schematic stay, and the ECO file is kept "
                            "at \"/t/a.eco\": read it into the layout in PowerPCB by hand if "
                            "the layout lacks them.";

TEST(EcoTexts, EachProblemIsToldWithWhatItCarries) {
    const auto refused = [](bool byProbe) {
        return EcoProblem{host::EcoReadRefused{"a.eco:3: no part R3.", HostCode::Failed, byProbe}};
    };
    const struct {
        EcoProblem problem;
        std::string text;
    } cases[] = {
        {{host::EcoStageFailed{EcoStage::SchematicName, "Name failed.", HostCode::Failed}},
         "Sequate could not read the schematic's name from PowerLogic: Name failed (error "
         "0x80004005)."},
        {{host::EcoStageFailed{EcoStage::NoteHandOff, "disk full", std::nullopt}},
         "Sequate could not note the hand-off in the journal of the pass: disk full."},
        {{host::EcoStageFailed{EcoStage::ChosenFile, "disk full", std::nullopt}},
         "The ECO file was not written: disk full"},
        {{host::EcoNameRefused{
             "R\t2", host::EcoNameRefused::Side::New, 4, {host::NameRule::Control, U'\t', 1, 3}}},
         "The ECO file was not written: the new name \"R\t2\" of rename 4 contains a control "
         "character (U+0009)."},
        {{host::EcoRowsUneven{2, 1}},
         "The ECO file was not written: the rename records are "
         "uneven (old names: 2, new names: 1)."},
        {unwritten(Fault::NoFileName), "Cannot write the ECO file: no file name was given."},
        {unwritten(Fault::NamesAFolder),
         "Cannot write the ECO file \"/d/a.eco\": it names a folder."},
        {unwritten(Fault::UntrustedLink, "/s/a.eco"),
         "Cannot write the ECO file \"/d/a.eco\": the link \"/s/a.eco\" belongs to another user "
         "in a folder that everyone can write to, so it is not followed."},
        {unwritten(Fault::NotAFile, "a FIFO"), "Cannot write the ECO file \"/d/a.eco\": it is a "
                                               "FIFO, not a file, so Sequate does not replace it."},
        {unwritten(Fault::System, "File too large"),
         "Cannot write the ECO file \"/d/a.eco\": File too large."},
        {{host::EcoFolderUnmade{"", "No such file"}},
         "Cannot find the temporary folder for the ECO file: No such file."},
        {{host::EcoFolderUnmade{"/tmp", "Permission denied"}},
         "Cannot create a private folder for the ECO file in \"/tmp\": Permission denied."},
        {{host::LayoutAbsence::PowerPcbNotRunning},
         "PowerPCB is not running. Start PowerPCB with the layout open, then press Run again."},
        {{host::LayoutAbsence::NoLayoutOpen},
         "PowerPCB is running, but no layout is open in it. "
         "Open the layout in PowerPCB, then press Run again."},
        {refused(false),
         "PowerPCB did not read the ECO file: a.eco:3: no part R3 (error 0x80004005)."},
        {refused(true), "PowerPCB did not read the ECO file: a.eco:3: no part R3 (error "
                        "0x80004005). The layout in PowerPCB does not have the renames."},
        {lost(nullptr), lostStart +
                            "nothing tells, since the renames only move names among the "
                            "components" +
                            lostEnd},
        {lost(std::make_shared<EcoProblem>(EcoProblem{host::EcoStageFailed{
             EcoStage::ProbeRead, "ReadEcoFile failed.", HostCode::ServerUnavailable}})),
         lostStart + "ReadEcoFile failed (error 0x800706BA)" + lostEnd},
        {lost(std::make_shared<EcoProblem>(unwritten(Fault::System, "No space left"))),
         lostStart + "Cannot write the ECO file \"/d/a.eco\": No space left" + lostEnd},
        {{host::EcoFileNotDeleted{"/t/a.eco", "Device busy."}},
         "The layout in PowerPCB has the renames, but Sequate could not delete the ECO file "
         "\"/t/a.eco\": Device busy."},
        {{host::EcoNoSchematic{}},
         "Sequate could not read the schematic's name from PowerLogic: no schematic is open."},
        {{host::EcoNoFileGiven{"sequate-pass"}},
         "The ECO file was not written: sequate-pass "
         "writes one only to the file that --eco-file "
         "names."},
        {{host::EcoUnexpected{}},
         "The ECO file could not be handed to PowerPCB: an unexpected problem."},
        {{host::EcoStepThrew{"disk gone"}}, "The ECO file could not be written: disk gone."},
        {{host::EcoStepThrew{}}, "The ECO file could not be written: an unexpected problem."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ecoProblemText(c.problem), c.text);
}

// A saved list quotes the reason alone; where there is no file to name, the whole sentence.
TEST(EcoTexts, TheReasonAloneForAFileThatIsNotTheEcoFile) {
    EXPECT_EQ(fileProblemReason(unwritten(Fault::NamesAFolder)), "it names a folder");
    EXPECT_EQ(fileProblemReason(unwritten(Fault::System, "Disk quota exceeded")),
              "Disk quota exceeded");
    EXPECT_EQ(fileProblemReason(unwritten(Fault::NoFileName)),
              "Cannot write the ECO file: no file name was given.");
}

} // namespace
} // namespace sequate::ui

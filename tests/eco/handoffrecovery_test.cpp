// Sequate dies while PowerPCB reads a pass's ECO file, before the layout took it or just after:
// the journal says the file went out, and whichever answer the user gives at the next start,
// schematic and layout end in step.

#include "ecowindow.h"
#include "engine/journalstore.h"
#include "engine/recovery.h"
#include "engine/runcommand.h"
#include "engine/startup.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "scratchfolder.h"
#include "syscallhooks.h"
#include "tests/support/passoutcome.h"
#include "undeletable.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace sequate::eco {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// Keeps a copy of the pass's journal as it stands when the file is handed over: what a crash
// there leaves on disk.
class JournalCopyingStep : public EcoStep {
public:
    JournalCopyingStep(host::RunningObjects& objects, EcoUi& ui, const fs::path& folder)
        : EcoStep(objects, ui, ui::ecoProblemText), mFolder(folder) {}

    host::EcoDelivery handToPowerPcb(host::LogicApplication& powerLogic,
                                     const engine::EcoRows& rows) override {
        engine::EcoRows copying = rows;
        copying.beforeHandOver = [&](const std::string& path) {
            rows.beforeHandOver(path);
            journal = engine::journalsOf(mFolder, "board.sch").at(0);
            fs::copy_file(journal, copyOfJournal(), fs::copy_options::overwrite_existing);
        };
        return EcoStep::handToPowerPcb(powerLogic, copying);
    }

    fs::path copyOfJournal() const { return mFolder / "copy"; }

    fs::path journal;

private:
    fs::path mFolder;
};

TEST(HandOffRecovery, ACrashWhilePowerPcbReadsEndsInStepWhicheverTheAnswer) {
    const struct {
        const char* what;
        Names names;
        bool byHand;
    } designs[] = {
        {"new names", {"R7", "R3", "TP12"}, false},
        // Nothing in the names tells a layout that took the file from one that did not: the
        // user is given the file to read in if it did.
        {"names only moved", {"R2", "R1"}, true},
    };
    // The first recovery may meet no PowerPCB to ask whether the layout took the file: it is
    // cut short once the schematic's names are made, before the layout follows.
    for (const auto& design : designs) {
        for (const bool tookIt : {false, true}) {
            for (const auto choice :
                 {engine::RecoveryChoice::PutBack, engine::RecoveryChoice::Keep}) {
                for (const bool withoutPcb : {false, true}) {
                    if (withoutPcb && design.byHand)
                        continue; // the names alone tell nothing: PowerPCB is not asked
                    SCOPED_TRACE(
                        ::testing::Message()
                        << design.what << (tookIt ? ", taken" : ", not taken")
                        << (choice == engine::RecoveryChoice::Keep ? ", kept" : ", put back")
                        << (withoutPcb ? ", PowerPCB gone at first" : ""));
                    test::TemporaryFolder tmp;
                    host::sim::DocumentData schematic{"board.sch", {}};
                    for (const std::string& name : design.names)
                        schematic.components.push_back({name, false, {{0, 0}}});
                    host::sim::SimPowerLogic logic({schematic});
                    host::sim::SimPowerPcb pcb(host::sim::LayoutData{"board.pcb", design.names});
                    host::sim::SimRunningObjects objects(&logic, &pcb);
                    engine::HostSession state;
                    state.journalFolder = tmp.path() / "journals";
                    test::EcoWindow window(objects, "");
                    JournalCopyingStep copying(objects, window.ui, state.journalFolder);
                    window.useEcoStep(copying);
                    ASSERT_EQ(engine::startUp(state, window, objects),
                              engine::StartupOutcome::Running);
                    const auto request =
                        engine::allComponentsRequest("1", engine::EcoDestination::PowerPcb);
                    ASSERT_TRUE(testing::completed(
                        testing::pressRunAndTell(state, window.ports(), request)));
                    const Names renamed = logic.openNames();

                    fs::rename(copying.copyOfJournal(), copying.journal);
                    if (!tookIt)
                        pcb.setLayout(host::sim::LayoutData{"board.pcb", design.names});
                    if (withoutPcb) {
                        host::sim::SimRunningObjects noPcb(&logic, nullptr);
                        test::EcoWindow gone(noPcb, "");
                        const auto unsure =
                            engine::recoverUnfinishedPass(state, gone.ports(), request.eco, choice);
                        ASSERT_FALSE(unsure.told.empty());
                        EXPECT_TRUE(std::holds_alternative<engine::recovery::LayoutNotKnown>(
                            unsure.told.front().news));
                        ASSERT_TRUE(fs::exists(copying.journal));
                    }
                    test::EcoWindow next(objects, (tmp.path() / "by-hand.eco").string());
                    const auto outcome =
                        engine::recoverUnfinishedPass(state, next.ports(), request.eco, choice);
                    ASSERT_EQ(outcome.done, choice);
                    EXPECT_EQ(logic.openNames(),
                              choice == engine::RecoveryChoice::Keep ? renamed : design.names);
                    EXPECT_FALSE(fs::exists(copying.journal));
                    // Only where the names cannot tell is the user asked to read a file in.
                    EXPECT_EQ(fs::exists(tmp.path() / "by-hand.eco"), design.byHand);
                    if (pcb.layout()->parts != logic.openNames()) {
                        ASSERT_TRUE(design.byHand);
                        pcb.application()->CurrentDocument()->ReadEcoFile(
                            (tmp.path() / "by-hand.eco").string());
                    }
                    EXPECT_EQ(pcb.layout()->parts, logic.openNames());
                }
            }
        }
    }
}

// What a power cut can take is what was not synced: the list of renames is on disk before the
// first rename, the hand-off before PowerPCB reads the file, and the journal's removal before
// the pass returns.
TEST(HandOffRecovery, EachStepIsOnDiskBeforeTheNext) {
    test::TemporaryFolder tmp;
    host::sim::SimPowerLogic logic({{"board.sch", {{"R7", false, {{0, 0}}}, {"R3", false, {}}}}});
    host::sim::SimPowerPcb pcb(host::sim::LayoutData{"board.pcb", {"R7", "R3"}});
    host::sim::SimRunningObjects objects(&logic, &pcb);
    engine::HostSession state;
    state.journalFolder = tmp.path() / "journals";
    test::EcoWindow window(objects, "");
    ASSERT_EQ(engine::startUp(state, window, objects), engine::StartupOutcome::Running);

    std::string synced;        // the journal's text at its last fsync
    bool folderSynced = false; // the folder, since the journal was last synced
    test::FsyncHook hook([&](int fd) {
        const fs::path file = fs::read_symlink("/proc/self/fd/" + std::to_string(fd));
        folderSynced = file == state.journalFolder;
        if (file.string().find(".journal") != std::string::npos)
            synced = test::fileBytes(file.string());
    });
    std::vector<std::string> seenAtRename;
    logic.setCallObserver([&](const std::string& call) {
        if (call == "LogicComponent.SetName")
            seenAtRename.push_back(synced);
    });
    std::string seenAtRead;
    pcb.setCallObserver([&](const std::string& call) {
        if (call == "PcbDocument.ReadEcoFile")
            seenAtRead = synced;
    });
    ASSERT_TRUE(testing::completed(testing::pressRunAndTell(
        state, window.ports(),
        engine::allComponentsRequest("1", engine::EcoDestination::PowerPcb))));
    ASSERT_FALSE(seenAtRename.empty());
    EXPECT_NE(seenAtRename.front().find("rename 2 \"R3\" \"R2\"\napplying\n"), std::string::npos);
    EXPECT_NE(seenAtRead.find("handed-over layout"), std::string::npos);
    EXPECT_TRUE(folderSynced);
    EXPECT_TRUE(engine::journalsOf(state.journalFolder, "board.sch").empty());
}

// A journal that cannot be removed at the end of a completed pass, as on a full disk or a
// locked file: the pass stays completed, and no later Run puts it back. In a folder that keeps
// its files, the journal is marked finished, and the mark is on disk before the pass returns.
TEST(HandOffRecovery, AJournalThatCannotBeRemovedNeverUndoesACompletedPass) {
    for (const bool wholeFolder : {false, true}) {
        SCOPED_TRACE(wholeFolder ? "folder locked" : "journal locked");
        test::TemporaryFolder tmp;
        host::sim::SimPowerLogic logic(
            {{"board.sch", {{"R7", false, {{0, 0}}}, {"R3", false, {}}}}});
        host::sim::SimRunningObjects objects(&logic, nullptr);
        engine::HostSession state;
        state.journalFolder = tmp.path() / "journals";
        test::EcoWindow window(objects, "");
        ASSERT_EQ(engine::startUp(state, window, objects), engine::StartupOutcome::Running);
        const auto request = engine::allComponentsRequest("1");
        std::unique_ptr<test::Undeletable> locked;
        logic.setCallObserver([&](const std::string& call) {
            if (call == "LogicComponent.SetName" && !locked)
                locked = std::make_unique<test::Undeletable>(
                    wholeFolder ? state.journalFolder
                                : engine::journalsOf(state.journalFolder, "board.sch").at(0));
        });
        std::string synced;
        {
            test::FsyncHook hook([&](int fd) {
                const fs::path file = fs::read_symlink("/proc/self/fd/" + std::to_string(fd));
                if (file.extension() == ".journal")
                    synced = test::fileBytes(file.string());
            });
            ASSERT_TRUE(
                testing::completed(testing::pressRunAndTell(state, window.ports(), request)));
        }
        if (!locked->ok() || engine::journalsOf(state.journalFolder, "board.sch").empty())
            GTEST_SKIP() << "no way to make a file undeletable here";
        if (wholeFolder) {
            EXPECT_NE(synced.find("\nfinished\n"), std::string::npos) << synced;
        }
        locked.reset();
        const Names renamed = logic.openNames();
        EXPECT_TRUE(testing::completed(testing::pressRunAndTell(state, window.ports(), request)));
        EXPECT_TRUE(window.recoveryQuestions.empty());
        EXPECT_EQ(logic.openNames(), renamed);
    }
}

} // namespace
} // namespace sequate::eco

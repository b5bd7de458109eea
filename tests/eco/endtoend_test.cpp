// Whole passes over generated schematics, each followed by the ECO step, with every mode and
// option: the layout that reads the ECO file ends with the schematic's names.

#include "eco/ecotext.h"
#include "ecowindow.h"
#include "engine/headlesswindow.h"
#include "engine/hostsession.h"
#include "engine/runcommand.h"
#include "engine/startup.h"
#include "host/sim/ecoreader.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "scratchfolder.h"
#include "tests/engine/designs.h"
#include "tests/support/passoutcome.h"
#include "tests/support/privatedatafolder.h"
#include "tests/support/sampledocuments.h"

#include <algorithm>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>

namespace sequate::eco {
namespace {

using host::HostCode;
using host::sim::ComponentData;
using host::sim::DocumentData;
using host::sim::LayoutData;
using host::sim::SimPowerLogic;
using host::sim::SimPowerPcb;
using host::sim::SimRunningObjects;
using sequate::testing::namesOf;
using ::testing::IsEmpty;

using test::EcoWindow;

constexpr auto disconnected = static_cast<HostCode>(0x80010108); // RPC_E_DISCONNECTED

DocumentData generatedSchematic(std::uint32_t seed) {
    engine::testing::DesignGenerator random(seed);
    return random.design({random.between(1, 40), 0.4, false});
}

// The ECO text of the renames a pass left in effect.
std::string ecoTextOf(const engine::PassOutcome& result) {
    std::vector<std::string> oldNames;
    std::vector<std::string> newNames;
    for (const engine::Rename& rename : engine::renamesInEffect(result)) {
        oldNames.push_back(rename.before);
        newNames.push_back(rename.after);
    }
    return eco::ecoText(oldNames, newNames);
}

class EcoEndToEnd : public ::testing::Test {
protected:
    test::TemporaryFolder mTmp;
};

// Schematic and layout are never left apart: a pass either leaves the layout with the
// schematic's new names (or the file written where the user chose), or changes nothing in the
// schematic, or, when nobody can tell whether PowerPCB took the file, keeps the file that holds
// exactly the pass's renames, says where, and keeps the journal for the next Run. PowerPCB's
// failed answer alone decides nothing, whatever its code. Cancel in the save dialog is the window
// logic's to test (MainWindowLogic.CancelInTheSaveDialog...).
TEST_F(EcoEndToEnd, SchematicAndLayoutStayInStep) {
    enum class Expect { InStep, Unchanged, FileKept };
    struct Case {
        const char* what;
        std::vector<std::string> layout = {"R7", "R3", "TP12"};
        std::string start = "1";
        std::function<void(SimPowerPcb&)> arrange = {};
        bool pcbRunning = true;
        Expect expect = Expect::InStep;
        std::string says = "";
    };
    const Case cases[] = {
        {.what = "delivered"},
        // Found before the first rename: nothing was renamed to be undone.
        {.what = "PowerPCB not running",
         .pcbRunning = false,
         .expect = Expect::Unchanged,
         .says = "No name had been changed yet"},
        {.what = "a name the layout cannot carry",
         .start = "32760",
         .expect = Expect::Unchanged,
         .says = "the layout takes at most 15"},
        {.what = "the layout refuses the file",
         .layout = {"R7", "TP12"},
         .expect = Expect::Unchanged,
         .says = "R3"},
        {.what = "PowerPCB took the file, its answer a failure",
         .arrange = [](SimPowerPcb& pcb) { pcb.failCallAfterEffect(3, HostCode::Failed); }},
        {.what = "PowerPCB took the file, disconnected",
         .arrange = [](SimPowerPcb& pcb) { pcb.failCallAfterEffect(3, disconnected); }},
        {.what = "PowerPCB disconnected before it read",
         .arrange = [](SimPowerPcb& pcb) { pcb.failCall(3, disconnected); },
         .expect = Expect::Unchanged,
         .says = "does not have the renames"},
        // The probe's answer lost too: nothing tells, though the layout has the renames.
        {.what = "PowerPCB took the file and the probe, disconnected each time",
         .arrange =
             [](SimPowerPcb& pcb) {
                 pcb.failCallAfterEffect(3, disconnected);
                 pcb.failCallAfterEffect(4, disconnected);
             },
         .expect = Expect::FileKept,
         .says = "read it into the layout"},
        {.what = "PowerPCB stops answering while it reads",
         .arrange =
             [](SimPowerPcb& pcb) {
                 pcb.failCall(3, HostCode::Timeout);
                 pcb.failCall(4, HostCode::Timeout); // the probe that would tell
             },
         .expect = Expect::FileKept,
         .says = "read it into the layout"},
    };
    const std::vector<std::string> before = {"R7", "R3", "TP12"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mTmp.point();
        DocumentData schematic{"board.sch", {}};
        for (const std::string& name : before)
            schematic.components.push_back({name, false, {{0, 0}}});
        // A long letter code: from 32760 its name would pass the layout's fifteen characters.
        schematic.components[2].name = c.start == "32760" ? "TESTPOINTPAD12" : "TP12";
        const std::vector<std::string> start = namesOf(schematic);
        SimPowerLogic logic({schematic});
        SimPowerPcb pcb(LayoutData{"board.pcb", c.start == "32760" ? start : c.layout});
        SimRunningObjects objects(&logic, c.pcbRunning ? &pcb : nullptr);
        EcoWindow window(objects, "");
        if (c.arrange)
            c.arrange(pcb);
        engine::HostSession state;
        // A journal one case keeps is no other case's.
        state.journalFolder = mTmp.path() / "journals";
        std::filesystem::remove_all(state.journalFolder);
        ASSERT_EQ(engine::startUp(state, window, objects), engine::StartupOutcome::Running);
        const auto layoutBefore = pcb.layout();
        const auto result = testing::pressRunAndTell(
            state, window.ports(),
            engine::allComponentsRequest(c.start, engine::EcoDestination::PowerPcb));
        ASSERT_TRUE(result);
        std::string shown;
        for (const auto& message : window.messages)
            shown += message.text + "\n";
        EXPECT_NE(shown.find(c.says), std::string::npos) << shown;
        switch (c.expect) {
        case Expect::InStep:
            EXPECT_TRUE(testing::completed(result)) << testing::whatStopped(result);
            EXPECT_NE(logic.openNames(), start);
            EXPECT_EQ(pcb.layout()->parts, logic.openNames());
            break;
        case Expect::Unchanged:
            EXPECT_FALSE(testing::completed(result));
            EXPECT_EQ(logic.openNames(), start);
            EXPECT_EQ(pcb.layout() ? pcb.layout()->parts : std::vector<std::string>{},
                      layoutBefore ? layoutBefore->parts : std::vector<std::string>{});
            EXPECT_FALSE(window.step.lastWritten()) << "a file that went nowhere";
            break;
        case Expect::FileKept: {
            EXPECT_TRUE(testing::completed(result));
            const std::size_t open = shown.find("kept at \"") + 9;
            const std::string kept = shown.substr(open, shown.find('"', open) - open);
            EXPECT_EQ(test::fileBytes(kept), ecoTextOf(*result));
            EXPECT_EQ(window.step.lastWritten(), test::fileBytes(kept));
            EXPECT_EQ(engine::journalsOf(state.journalFolder, "board.sch").size(), 1u);
            break;
        }
        }
    }
}

// With the layout equal to the schematic or out of step with it in any way, a pass either ends
// with the layout carrying exactly the pass's renames, or leaves both as they were.
TEST_F(EcoEndToEnd, NoPassLeavesTheLayoutBehind) {
    std::mt19937 random(23);
    int completed = 0;
    int undone = 0;
    for (int round = 0; round < 90; ++round) {
        const DocumentData schematic = generatedSchematic(static_cast<std::uint32_t>(round) + 1);
        std::vector<std::string> layout = namesOf(schematic);
        if (round % 3 != 0) {
            std::shuffle(layout.begin(), layout.end(), random);
            layout.resize(layout.size() - std::min<std::size_t>(layout.size(), random() % 3));
            if (random() % 2 == 0)
                layout.push_back("R" + std::to_string(random() % 60));
        }
        // All components; selected ones, next free; selected ones, duplicates.
        const auto eco = engine::EcoDestination::PowerPcb;
        const engine::PassRequest requests[] = {engine::allComponentsRequest("1", eco),
                                                engine::selectedComponentsRequest("1", false, eco),
                                                engine::selectedComponentsRequest("1", true, eco)};
        for (std::size_t mode = 0; mode < std::size(requests); ++mode) {
            SCOPED_TRACE(::testing::Message() << "round " << round << ", mode " << mode);
            SimPowerLogic logic({schematic});
            SimPowerPcb pcb(LayoutData{"board.pcb", layout});
            SimRunningObjects objects(&logic, &pcb);
            EcoWindow window(objects, "");
            engine::HostSession state;
            ASSERT_EQ(engine::startUp(state, window, objects), engine::StartupOutcome::Running);
            const auto result = testing::pressRunAndTell(state, window.ports(), requests[mode]);
            ASSERT_TRUE(result);
            if (!testing::completed(result)) {
                ++undone;
                EXPECT_EQ(logic.openNames(), namesOf(schematic)) << testing::whatStopped(result);
                EXPECT_EQ(pcb.layout()->parts, layout);
                continue;
            }
            ++completed;
            EXPECT_THAT(mTmp.entries(), IsEmpty());
            std::vector<std::string> expected = layout;
            EXPECT_THAT(host::sim::applyEcoText(ecoTextOf(*result), "pass.eco", expected).log,
                        IsEmpty());
            EXPECT_EQ(pcb.layout()->parts, expected);
        }
    }
    EXPECT_GT(completed, 60);
    EXPECT_GT(undone, 20);
}

} // namespace
} // namespace sequate::eco

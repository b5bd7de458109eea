// Whole passes over generated schematics, each followed by the ECO step, with every mode and
// option: the layout that reads the ECO file ends with the schematic's names.

#include "eco/ecooutput.h"
#include "engine/formstate.h"
#include "engine/runcommand.h"
#include "engine/startup.h"
#include "fakeecoui.h"
#include "host/sim/ecoreader.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "scratchfolder.h"
#include "tools/pass/headlesswindow.h"

#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace sequate::eco {
namespace {

using host::sim::ComponentData;
using host::sim::DocumentData;
using host::sim::LayoutData;
using host::sim::SimPowerLogic;
using host::sim::SimPowerPcb;
using host::sim::SimRunningObjects;
using ::testing::IsEmpty;

// The main window without a display, its ECO step wired to this library as the real window's.
class EcoWindow : public tools::HeadlessWindow {
public:
    EcoWindow(host::RunningObjects& objects, std::string chosenFile) : mObjects(objects) {
        ui.choice = std::move(chosenFile);
    }

    void ShowFileDialog(const engine::FormState& state) override {
        ++fileDialogs;
        eco::ShowFileDialog(state.oldNames, state.newNames, ui);
    }
    void AlsoInPCB(const engine::FormState& state) override {
        ++pcbHandOffs;
        handedOver =
            eco::AlsoInPCB(*state.powerLogicApp, mObjects, state.oldNames, state.newNames, ui);
    }

    test::FakeEcoUi ui;
    bool handedOver = false;

private:
    host::RunningObjects& mObjects;
};

// Letter codes that interleave, names that end in a letter, bare numbers, gaps, selections,
// and parts placed on a coarse grid so that positions tie.
DocumentData generatedSchematic(std::mt19937& random) {
    static const char* const codes[] = {"R", "C", "U", "Q", "LED", ""};
    std::uniform_int_distribution<int> count(1, 40);
    std::uniform_int_distribution<int> code(0, 5);
    std::uniform_int_distribution<int> number(1, 60);
    std::uniform_int_distribution<int> grid(0, 6);
    std::bernoulli_distribution suffix(0.1);
    std::bernoulli_distribution selected(0.4);
    DocumentData document{"board.sch", {}};
    std::set<std::string> names;
    for (int i = count(random); i > 0; --i) {
        const int c = code(random);
        std::string name = codes[c] + std::to_string(number(random));
        if (c != 5 && suffix(random))
            name += "A";
        if (!names.insert(name).second)
            continue;
        document.components.push_back(
            ComponentData{name, selected(random), {{grid(random) * 100.0, grid(random) * 100.0}}});
    }
    return document;
}

std::vector<std::string> namesOf(const DocumentData& document) {
    std::vector<std::string> names;
    for (const auto& component : document.components)
        names.push_back(component.name);
    return names;
}

struct Options {
    const char* label;
    tools::Controls controls;
};

std::vector<Options> everyOption(const std::string& start) {
    return {{"all", tools::Controls::allComponents(start)},
            {"selected, next free", tools::Controls::selectedComponents(start, false)},
            {"selected, duplicates", tools::Controls::selectedComponents(start, true)}};
}

class EcoEndToEnd : public ::testing::Test {
protected:
    EcoEndToEnd() {
        if (const char* old = std::getenv("TMPDIR"))
            mSavedTmpdir = old;
        ::setenv("TMPDIR", mTmp.path().c_str(), 1);
    }
    ~EcoEndToEnd() override {
        if (mSavedTmpdir)
            ::setenv("TMPDIR", mSavedTmpdir->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }

    test::ScratchFolder mTmp;
    test::ScratchFolder mOut;

private:
    std::optional<std::string> mSavedTmpdir;
};

TEST_F(EcoEndToEnd, PowerPcbReadingTheHandOffHasTheSchematicsNames) {
    std::mt19937 random(7);
    int completed = 0;
    std::size_t renames = 0;
    for (int round = 0; round < 40; ++round) {
        const DocumentData schematic = generatedSchematic(random);
        for (const char* start : {"1", "7", "-3"}) {
            for (Options options : everyOption(start)) {
                SCOPED_TRACE(::testing::Message()
                             << "round " << round << ", start " << start << ", " << options.label);
                SimPowerLogic logic({schematic});
                SimPowerPcb pcb(LayoutData{"board.pcb", namesOf(schematic)});
                SimRunningObjects objects(&logic, &pcb);
                EcoWindow window(objects, "");
                engine::FormState state;
                ASSERT_EQ(engine::Form_Load(state, window, objects),
                          engine::StartupOutcome::Running);
                window.controls = options.controls;
                window.controls.chkSend = true;
                window.controls.optDirect = true;
                const auto result = engine::pressRun(state, window);
                ASSERT_TRUE(result);
                if (!result->completed)
                    continue;
                ++completed;
                renames += result->renames.size();
                EXPECT_TRUE(window.handedOver);
                EXPECT_THAT(window.ui.messages, IsEmpty());
                EXPECT_EQ(pcb.layout()->parts, logic.openNames());
                EXPECT_THAT(pcb.log(), IsEmpty());
                EXPECT_THAT(mTmp.entries(), IsEmpty());
            }
        }
    }
    EXPECT_GT(completed, 250);
    EXPECT_GT(renames, 1000u);
}

TEST_F(EcoEndToEnd, TheFileWrittenOnlyCarriesThePassIntoALayout) {
    std::mt19937 random(11);
    int completed = 0;
    for (int round = 0; round < 100; ++round) {
        const DocumentData schematic = generatedSchematic(random);
        for (Options options : everyOption("1")) {
            SCOPED_TRACE(::testing::Message() << "round " << round << ", " << options.label);
            SimPowerLogic logic({schematic});
            SimRunningObjects objects(&logic, nullptr);
            const std::string path = mOut / "pass.eco";
            EcoWindow window(objects, path);
            engine::FormState state;
            ASSERT_EQ(engine::Form_Load(state, window, objects), engine::StartupOutcome::Running);
            window.controls = options.controls;
            window.controls.chkSend = true;
            window.controls.optECO = true;
            window.controls.optDirect = false;
            const auto result = engine::pressRun(state, window);
            ASSERT_TRUE(result);
            if (!result->completed)
                continue;
            ++completed;
            EXPECT_EQ(window.fileDialogs, 1);
            EXPECT_THAT(window.ui.messages, IsEmpty());

            std::vector<std::string> layout = namesOf(schematic);
            EXPECT_THAT(host::sim::applyEcoText(test::fileBytes(path), "pass.eco", layout).log,
                        IsEmpty());
            EXPECT_EQ(layout, logic.openNames());
        }
    }
    EXPECT_GT(completed, 200);
}

} // namespace
} // namespace sequate::eco

// Pass > Put back the last pass, with the simulated PowerPCB reading the files: schematic and
// layout end as they were before the pass, or, where the put-back cannot be made, as the pass
// left them.

#include "ecowindow.h"
#include "engine/completedpass.h"
#include "engine/componentlist.h"
#include "engine/putbacklastpass.h"
#include "engine/recovery.h"
#include "engine/runcommand.h"
#include "engine/startup.h"
#include "engine/workinglist.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "scratchfolder.h"
#include "syscallhooks.h"
#include "tests/engine/designs.h"
#include "tests/support/passoutcome.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sequate::eco {
namespace {

using Names = std::vector<std::string>;
using Rule = engine::PutBackProblem::Rule;

Names namesOf(const host::sim::DocumentData& schematic) {
    Names names;
    for (const auto& component : schematic.components)
        names.push_back(component.name);
    return names;
}

// Sequate attached to a PowerLogic of its own, with a layout of the same names.
struct Desk {
    Desk(const host::sim::DocumentData& schematic, const std::filesystem::path& journals)
        : logic({schematic}), pcb(host::sim::LayoutData{"board.pcb", namesOf(schematic)}) {
        state.journalFolder = journals;
        EXPECT_EQ(engine::startUp(state, window, objects), engine::StartupOutcome::Running);
    }

    engine::PutBackOutcome putBack(const engine::ConfirmPutBack& confirm) {
        return engine::putBackLastPass(state, window.ports(), confirm,
                                       engine::EcoDestination::PowerPcb);
    }

    host::sim::SimPowerLogic logic;
    host::sim::SimPowerPcb pcb;
    host::sim::SimRunningObjects objects{&logic, &pcb};
    engine::HostSession state;
    test::EcoWindow window{objects, ""};
};

class PutBack : public ::testing::Test {
protected:
    PutBack() {
        state.journalFolder = tmp.path() / "journals";
        EXPECT_EQ(engine::startUp(state, window, objects), engine::StartupOutcome::Running);
    }

    engine::PassCompleted pass(const std::string& start) {
        const auto result = testing::pressRunAndTell(
            state, window.ports(),
            engine::allComponentsRequest(start, engine::EcoDestination::PowerPcb));
        EXPECT_TRUE(testing::completed(result));
        return std::get<engine::PassCompleted>(*result);
    }

    engine::PutBackOutcome putBack(engine::PassPorts ports) {
        previews.clear();
        return engine::putBackLastPass(
            state, ports,
            [&](const engine::PutBackPreview& preview) {
                previews.push_back(preview);
                return true;
            },
            engine::EcoDestination::PowerPcb);
    }
    engine::PutBackOutcome putBack() { return putBack(window.ports()); }

    Names layout() const { return pcb.layout()->parts; }

    // By hand, in PowerLogic.
    void rename(std::size_t component, const std::string& name) {
        auto list = engine::allComponents(*state.document);
        engine::readComponentList(*list, list->Count()).components[component]->SetName(name);
    }

    test::TemporaryFolder tmp;
    const host::sim::DocumentData design =
        engine::testing::DesignGenerator(7).design({60, 0, false});
    const Names before = namesOf(design);
    host::sim::SimPowerLogic logic{{design}};
    host::sim::SimPowerPcb pcb{host::sim::LayoutData{"board.pcb", before}};
    host::sim::SimRunningObjects objects{&logic, &pcb};
    engine::HostSession state;
    test::EcoWindow window{objects, ""};
    std::vector<engine::PutBackPreview> previews;
};

// Two passes, then two put-backs: each takes back one, the newest first, on both sides, after
// a preview of what it does.
TEST_F(PutBack, EachCommandTakesBackOnePassOnBothSides) {
    pass("1");
    const Names afterFirst = logic.openNames();
    ASSERT_NE(afterFirst, before);
    pass("100");
    ASSERT_EQ(layout(), logic.openNames());

    EXPECT_TRUE(putBack().done());
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].eco, engine::HandOver::Layout);
    EXPECT_EQ(logic.openNames(), afterFirst);
    EXPECT_EQ(layout(), afterFirst);

    EXPECT_TRUE(putBack().done());
    EXPECT_EQ(logic.openNames(), before);
    EXPECT_EQ(layout(), before);

    const engine::PutBackOutcome none = putBack();
    EXPECT_FALSE(none.done());
    ASSERT_TRUE(none.problem);
    EXPECT_EQ(none.problem->rule, Rule::NothingKept);
    EXPECT_TRUE(previews.empty());
}

// Checked before any rename: a component renamed by hand since, or a name taken since, or a
// layout that cannot take the file refuses it, naming what changed, and nothing changes.
TEST_F(PutBack, RefusedBeforeAnyRenameWhenSomethingChangedSince) {
    const engine::PassCompleted result = pass("1");
    const engine::Rename first = result.changed.front();
    const struct {
        const char* what;
        std::string newName; // for the first component the pass renamed
        std::string layoutProblem;
        Rule rule;
        std::string present, detail;
    } cases[] = {
        {"renamed by hand", "X1", "", Rule::RenamedSince, "X1", ""},
        {"PowerPCB gone", first.after, "PowerPCB is not running.", Rule::PowerPcbCannotTake, "",
         "PowerPCB is not running."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        rename(first.component.value(), c.newName);
        const Names names = logic.openNames();
        test::EcoWindow other(objects, "");
        other.layoutProblem = c.layoutProblem;
        // Where PowerPCB is to be gone, the window's own step says so.
        engine::EcoHandOff& step =
            c.layoutProblem.empty() ? static_cast<engine::EcoHandOff&>(other.step) : other;
        const engine::PutBackOutcome outcome = putBack({other.progressBar().port(), other, step});
        EXPECT_FALSE(outcome.done());
        EXPECT_EQ(outcome.end, engine::PutBackEnd::NothingChanged);
        ASSERT_TRUE(outcome.problem);
        EXPECT_EQ(outcome.problem->rule, c.rule);
        EXPECT_EQ(outcome.problem->present, c.present);
        EXPECT_EQ(outcome.problem->detail, c.detail);
        EXPECT_EQ(logic.openNames(), names);
        EXPECT_EQ(other.pcbHandOffs, 0);
    }
}

// A kept pass says what to put back, as a journal does: a file others can write to, or one in a
// folder others can write to, is never acted on.
TEST_F(PutBack, AKeptPassOthersCouldHavePlantedIsNeverActedOn) {
    namespace fs = std::filesystem;
    pass("1");
    const Names names = logic.openNames();
    const fs::path folder = engine::completedPassFolder(state.journalFolder);
    const fs::path kept = fs::directory_iterator(folder)->path();
    for (const fs::path& opened : {kept, folder}) {
        fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write);
        fs::permissions(opened, fs::perms::all);
        EXPECT_FALSE(putBack().done()) << opened;
        EXPECT_EQ(logic.openNames(), names);
    }
}

TEST_F(PutBack, RefusedWhenAnotherComponentTookANameToGiveBack) {
    const engine::PassCompleted result = pass("1");
    const Names now = logic.openNames();
    std::size_t untouched = 0;
    while (untouched < now.size() && now[untouched] != before[untouched])
        ++untouched;
    ASSERT_LT(untouched, now.size());
    const auto freed =
        std::find_if(result.changed.begin(), result.changed.end(), [&](const auto& r) {
            return std::find(now.begin(), now.end(), r.before) == now.end();
        });
    ASSERT_NE(freed, result.changed.end());
    rename(untouched, freed->before);
    const Names names = logic.openNames();
    const engine::PutBackOutcome outcome = putBack();
    ASSERT_TRUE(outcome.problem);
    EXPECT_EQ(outcome.problem->rule, Rule::NameTakenSince);
    EXPECT_EQ(outcome.problem->rename, *freed);
    EXPECT_EQ(logic.openNames(), names);
}

// PowerPCB refuses the reverse file (the layout was changed by hand), and its probe file tells
// that the layout did not take it (the pass gave names the design never had): the put-back is
// itself put back, and the pass can still be put back once the layout is in step again.
TEST_F(PutBack, ARefusalOfTheLayoutPutsThePutBackBack) {
    pass("1000");
    const Names renamed = logic.openNames();
    pcb.setLayout(host::sim::LayoutData{"board.pcb", {"J99"}});
    const engine::PutBackOutcome refused = putBack();
    EXPECT_FALSE(refused.done());
    EXPECT_EQ(logic.openNames(), renamed);
    EXPECT_EQ(refused.end, engine::PutBackEnd::TakenBack);

    pcb.setLayout(host::sim::LayoutData{"board.pcb", renamed});
    EXPECT_TRUE(putBack().done());
    EXPECT_EQ(logic.openNames(), before);
    EXPECT_EQ(layout(), before);
}

// A kept pass belongs to the design it saw: another of the same file name with a component more
// is refused, though its first components carry the names the pass gave.
TEST_F(PutBack, RefusedForADesignOfTheSameFileNameWithMoreComponents) {
    pass("1");
    host::sim::DocumentData bigger = design;
    const Names now = logic.openNames();
    for (std::size_t i = 0; i < now.size(); ++i)
        bigger.components[i].name = now[i];
    bigger.components.push_back({"X1", false, {{0, 0}}});
    Desk other(bigger, state.journalFolder);
    const engine::PutBackOutcome outcome = other.putBack([](const auto&) { return true; });
    ASSERT_TRUE(outcome.problem);
    EXPECT_EQ(outcome.problem->rule, Rule::ComponentCount);
    EXPECT_EQ(other.logic.openNames(), namesOf(bigger));
}

// Two designs of one file name, each with its last pass kept: each puts back its own, by the
// names it left, whichever was kept last.
TEST_F(PutBack, EachDesignOfOneFileNamePutsBackItsOwnLastPass) {
    pass("1");
    const host::sim::DocumentData second =
        engine::testing::DesignGenerator(8).design({40, 0, false});
    ASSERT_EQ(second.name, design.name);
    Desk other(second, state.journalFolder);
    ASSERT_TRUE(testing::completed(testing::pressRunAndTell(
        other.state, other.window.ports(),
        engine::allComponentsRequest("500", engine::EcoDestination::PowerPcb))));
    EXPECT_TRUE(putBack().done());
    EXPECT_EQ(logic.openNames(), before);
    EXPECT_TRUE(other.putBack([](const auto&) { return true; }).done());
    EXPECT_EQ(other.logic.openNames(), namesOf(second));
}

// The last pass's file, damaged or never written, stops Put back the last pass, naming it: the
// pass before is never taken in its place, which would leave the last pass's renames.
TEST(PutBackLastPass, ALastPassThatCannotBeReadOrWasNotKeptIsNeverPassedOver) {
    namespace fs = std::filesystem;
    test::TemporaryFolder tmp;
    const host::sim::DocumentData design =
        engine::testing::DesignGenerator(7).design({60, 0, false});
    for (const std::string damage :
         {"cut short", "empty", "garbage", "writable by others", "a link", "not written"}) {
        SCOPED_TRACE(damage);
        Desk desk(design, tmp.path() / damage);
        const auto pass = [&](const char* start) {
            EXPECT_TRUE(testing::completed(testing::pressRunAndTell(
                desk.state, desk.window.ports(),
                engine::allComponentsRequest(start, engine::EcoDestination::PowerPcb))));
        };
        pass("1");
        const fs::path folder = engine::completedPassFolder(desk.state.journalFolder);
        const fs::path older = fs::directory_iterator(folder)->path();
        {
            test::FsyncHook failing([&](int fd) {
                const fs::path file = fs::read_symlink("/proc/self/fd/" + std::to_string(fd));
                if (damage == "not written" && file.parent_path() == folder)
                    ::dup2(::open("/dev/null", O_RDONLY | O_CLOEXEC), fd);
            });
            pass("100");
        }
        const Names renamed = desk.logic.openNames();
        fs::path last;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path() != older)
                last = entry.path();
        ASSERT_EQ(last.empty(), damage == "not written");
        const std::string text = damage == "not written" ? "" : test::fileBytes(last);
        if (damage == "cut short")
            test::writeBytes(last, text.substr(0, text.size() / 2));
        else if (damage == "empty" || damage == "garbage")
            test::writeBytes(last, damage == "empty" ? "" : "PK\3\4 not a kept pass\n");
        else if (damage == "writable by others")
            fs::permissions(last, fs::perms::others_write, fs::perm_options::add);
        else if (damage == "a link") {
            fs::rename(last, tmp.path() / "elsewhere");
            fs::create_symlink(tmp.path() / "elsewhere", last);
        }
        const engine::PutBackOutcome outcome = desk.putBack([](const auto&) { return true; });
        EXPECT_EQ(desk.logic.openNames(), renamed);
        ASSERT_TRUE(outcome.problem);
        if (damage == "not written") {
            EXPECT_EQ(outcome.problem->rule, Rule::NothingKept);
        } else {
            EXPECT_EQ(outcome.problem->rule, Rule::LastPassUnreadable);
            EXPECT_NE(outcome.problem->detail.find(last.string()), std::string::npos);
        }
    }
}

// What writers killed in the middle of a write left, beside the journals, the kept passes and
// the ECO file a journal handed over, goes at the next recovery; a running writer's stays.
TEST_F(PutBack, WhatKilledWritersLeftGoesAtTheNextStart) {
    namespace fs = std::filesystem;
    const fs::path chosen = tmp.path() / "eco" / "amp.eco";
    fs::create_directories(chosen.parent_path());
    window.ui.choice = chosen.string();
    pass("1");
    // A Sequate killed while it writes the ECO file, its journal on disk.
    const pid_t dead = ::fork();
    if (dead == 0) {
        test::FsyncHook kill([&](int fd) {
            if (fs::read_symlink("/proc/self/fd/" + std::to_string(fd)).parent_path() ==
                chosen.parent_path())
                ::_exit(9);
        });
        testing::pressRunAndTell(
            state, window.ports(),
            engine::allComponentsRequest("100", engine::EcoDestination::ChosenFile));
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(dead, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 9);
    ASSERT_EQ(test::ScratchFolder::entriesOf(chosen.parent_path()).size(), 1u);
    const std::string killed = ".sequate-" + std::to_string(dead) + "-7.tmp";
    const std::string running = ".sequate-" + std::to_string(::getpid()) + "-7.tmp";
    const fs::path completed = engine::completedPassFolder(state.journalFolder);
    const std::vector<fs::path> left = {state.journalFolder / (".amp-1.journal" + killed),
                                        completed / (".1-amp.completed" + killed),
                                        state.journalFolder / "amp-0123456789abcdef.journal.new"};
    const fs::path inUse = chosen.parent_path() / (".amp.eco" + running);
    for (const fs::path& file : left)
        test::writeBytes(file, "torn");
    test::writeBytes(inUse, "being written");
    // Set aside, the oldest first: those beyond the bound go, the oldest first.
    std::vector<fs::path> asides;
    for (std::size_t n = 0; n < engine::setAsideKept + 2; ++n) {
        asides.push_back(state.journalFolder / ("amp-" + std::to_string(n) + ".journal.set-aside"));
        test::writeBytes(asides.back(), "set aside");
        fs::last_write_time(asides.back(),
                            fs::file_time_type::clock::now() - std::chrono::hours(100 - n));
    }
    engine::recoverUnfinishedPass(state, window.ports(), engine::EcoDestination::ChosenFile);
    for (const fs::path& file : left)
        EXPECT_FALSE(fs::exists(file)) << file;
    for (std::size_t n = 0; n < asides.size(); ++n)
        EXPECT_EQ(fs::exists(asides[n]), n >= 2) << asides[n];
    EXPECT_EQ(test::ScratchFolder::entriesOf(chosen.parent_path()),
              std::vector<std::string>{inUse.filename().string()});
}

// A file among the kept passes far past any design's size is set aside unread, and the pass says
// so.
TEST_F(PutBack, AKeptPassFileFarTooLargeIsSetAsideUnreadAndTold) {
    pass("1");
    const std::filesystem::path huge = engine::completedPassFolder(state.journalFolder) /
                                       "99999999999-amp-0000000000000000.completed";
    test::writeBytes(huge, "sequate-completed 1\n");
    std::filesystem::resize_file(huge, 17 * 1024 * 1024);
    EXPECT_EQ(pass("100").notes,
              (std::vector<engine::AfterPassNote>{
                  {engine::AfterPassNote::What::KeptPassSetAside, huge.string()}}));
    EXPECT_TRUE(std::filesystem::exists(huge.string() + ".set-aside"));
    EXPECT_TRUE(putBack().done());
}

// A put-back cut short, as by a crash, is carried on in the layout as in the schematic, by the
// next Run or the next Put back the last pass, which then puts back no other: PowerPCB reads
// the file, or, where the pass's file was the user's to read in, the file that puts the layout
// back is offered.
TEST_F(PutBack, APutBackCutShortIsCarriedOnInTheLayoutToo) {
    struct Crash {};
    for (const auto eco : {engine::EcoDestination::PowerPcb, engine::EcoDestination::ChosenFile}) {
        SCOPED_TRACE(eco == engine::EcoDestination::PowerPcb ? "PowerPCB" : "a file");
        const std::string chosen = (tmp.path() / "by-hand.eco").string();
        window.ui.choice = chosen;
        ASSERT_TRUE(testing::completed(testing::pressRunAndTell(
            state, window.ports(), engine::allComponentsRequest("1", eco))));
        if (eco == engine::EcoDestination::ChosenFile)
            objects.attachPowerPcb()->CurrentDocument()->ReadEcoFile(chosen);
        ASSERT_EQ(layout(), logic.openNames());
        int renames = 0;
        logic.setCallObserver([&](const std::string& call) {
            if (call == "LogicComponent.SetName" && ++renames == 3)
                throw Crash{};
        });
        EXPECT_THROW(putBack(), Crash);
        logic.setCallObserver({});
        ASSERT_NE(logic.openNames(), before);
        std::filesystem::remove(chosen);
        const engine::PutBackOutcome again = putBack();
        ASSERT_TRUE(again.problem);
        EXPECT_EQ(again.problem->rule, Rule::UnfinishedFirst);
        EXPECT_EQ(logic.openNames(), before);
        if (eco == engine::EcoDestination::ChosenFile)
            objects.attachPowerPcb()->CurrentDocument()->ReadEcoFile(chosen);
        EXPECT_EQ(layout(), before);
    }
}

// The schematic edited while the question waits, here so that the swap back cannot go through
// the temporary name it was planned with: nothing is put back, and the edit stays.
TEST(PutBackAsked, TheSchematicEditedMeanwhileIsLeftAsEdited) {
    test::TemporaryFolder tmp;
    host::sim::DocumentData schematic{"board.sch", {}};
    for (const char* name : {"R2", "R1", "U1"})
        schematic.components.push_back({name, false, {{0, 0}}});
    Desk desk(schematic, tmp.path() / "journals");
    ASSERT_TRUE(testing::completed(testing::pressRunAndTell(
        desk.state, desk.window.ports(),
        engine::allComponentsRequest("1", engine::EcoDestination::PowerPcb))));
    ASSERT_EQ(desk.logic.openNames(), (Names{"R1", "R2", "U1"}));
    const engine::PutBackOutcome outcome = desk.putBack([&](const engine::PutBackPreview&) {
        auto list = engine::allComponents(*desk.state.document);
        engine::readComponentList(*list, list->Count()).components[2]->SetName("R32767");
        return true;
    });
    EXPECT_EQ(outcome.end, engine::PutBackEnd::NothingChanged);
    ASSERT_TRUE(outcome.problem);
    EXPECT_EQ(outcome.problem->rule, Rule::ChangedWhileAsked);
    EXPECT_EQ(desk.logic.openNames(), (Names{"R1", "R2", "R32767"}));
}

// A kept pass lists each component once, renamed to another name; any other is refused, naming
// the file and the line.
TEST(CompletedPasses, AKeptPassThatRenamesAComponentTwiceOrToItselfIsRefused) {
    test::TemporaryFolder tmp;
    const struct {
        const char* renames;
        const char* says;
    } cases[] = {
        {"R7 R1\nR9 R9\n", "line 6: \"R9\" is renamed to itself"},
        {"R7 R1\n@1 R1 R2\n", "line 6: component 1 is renamed twice"},
    };
    for (const auto& c : cases) {
        const std::filesystem::path path = tmp.path() / "0000000001-amp.completed";
        test::writeBytes(path, std::string("sequate-completed 1\ndocument amp.sch\ncomponents "
                                           "3\neco none\n") +
                                   c.renames + "end\n");
        try {
            engine::readCompletedPass(path);
            ADD_FAILURE() << c.says << ": read";
        } catch (const engine::JournalError& error) {
            const std::string said = error.what();
            EXPECT_NE(said.find(path.string()), std::string::npos) << said;
            EXPECT_NE(said.find(c.says), std::string::npos) << said;
        }
    }
}

// Only what putting back needs is kept, the last ten of a design, the newest by the highest
// number, however many digits a planted one has.
TEST(CompletedPasses, TheNewestTenOfADesignAreKeptAndReadBackAsWritten) {
    test::TemporaryFolder tmp;
    engine::CompletedPass kept{"amp.sch",         400, {}, engine::HandOver::Layout, "/tmp/x y.eco",
                               "0123456789abcdef"};
    kept.renamed = {{engine::ComponentIndex(0), "R7", "R1"},
                    {engine::ComponentIndex(1), "R9", "R2"},
                    {engine::ComponentIndex(5), "C3", "C1"},
                    {engine::ComponentIndex(6), "+", "@1"},
                    {engine::ComponentIndex(399), "U1", "U12"}};
    for (int n = 1; n <= 12; ++n) {
        kept.components = 400 + n;
        engine::keepCompletedPass(tmp.path(), kept);
    }
    engine::keepCompletedPass(tmp.path(), {"other.sch", 1, {}, engine::HandOver::None, {}, {}});
    const auto passes = engine::completedPassesOf(tmp.path(), "amp.sch");
    ASSERT_EQ(passes.size(), engine::completedPassesKept);
    EXPECT_EQ(passes.front().pass, kept);
    EXPECT_EQ(passes.back().pass.components, 403u);
    EXPECT_EQ(engine::completedPassesOf(tmp.path(), "other.sch").size(), 1u);
    EXPECT_NE(engine::completedPassText(kept).find("\nR9 +\n"), std::string::npos);

    const std::filesystem::path newest = passes.front().path;
    std::filesystem::rename(newest, newest.parent_path() /
                                        ("9999999999" + newest.filename().string().substr(10)));
    kept.components = 500;
    engine::keepCompletedPass(tmp.path(), kept);
    EXPECT_EQ(engine::completedPassesOf(tmp.path(), "amp.sch").front().pass.components, 500u);
}

} // namespace
} // namespace sequate::eco

// One pass end to end on the in-memory PowerLogic: what the user sees besides the names (the
// report window, the ECO step, the progress bar) and how a pass that cannot finish ends.

#include "engine/applyrenames.h"
#include "engine/passstop.h"
#include "session.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace sequate::engine::testing {
namespace {

using Names = std::vector<std::string>;
using host::HostCode;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A pass that changes nothing asks nothing of PowerPCB, not even whether it is there.
TEST(NumberingPass, NothingSelectedNamesNothingButStillClosesThePass) {
    Session session(document({part("R7"), part("R9")}));
    session.window.layoutProblem = "PowerPCB is not running.";
    const PassOutcome result =
        *session.run(selectedComponentsRequest("1", false, EcoDestination::PowerPcb));
    ASSERT_TRUE(completed(result));
    EXPECT_TRUE(renamesInEffect(result).empty());
    EXPECT_EQ(session.names(), (Names{"R7", "R9"}));
    EXPECT_EQ(session.window.pcbHandOffs, 0);
    ASSERT_TRUE(ecoOf(result));
    EXPECT_TRUE(ecoOf(result)->nothingToRead);
    // "Write only" still writes the file the user chooses, with no renames in it.
    Session writeOnly(document({part("R7"), part("R9")}));
    writeOnly.run(selectedComponentsRequest("1", false, EcoDestination::ChosenFile));
    EXPECT_EQ(writeOnly.window.fileDialogs, 1);
    EXPECT_TRUE(writeOnly.window.ecoRows.empty());
    EXPECT_FALSE(session.logic.passOpen());
}

// A pass stopped by a refused rename, or by the user during the read or after some renames,
// puts every name back, settles its journal and says what it had made; ui/ words it.
TEST(NumberingPass, StoppedPassPutsEveryNameBack) {
    const auto doc = document({part("R7"), part("R8"), part("C3"), part("R9")});
    const auto request = allComponentsRequest("1", EcoDestination::PowerPcb);
    // refusedRename: the n-th SetName fails. Else the user stops once the bar was set so many
    // times: the read sets it to 0, then 1 to 4; the renames to 0, then 1 to 4.
    const struct {
        int refusedRename;
        std::size_t valuesSet;
        long long made;
    } cases[] = {{1, 0, 0}, {4, 0, 3}, {0, 1, 0}, {0, 5, 0}, {0, 7, 1}, {0, 10, 4}};
    for (const auto& c : cases) {
        Session session(doc);
        if (c.refusedRename)
            session.logic.failCall(nthCall(doc, request, "LogicComponent.SetName", c.refusedRename),
                                   HostCode::Failed);
        else
            session.window.progressBar().stopOnceSet = c.valuesSet;
        SCOPED_TRACE(std::to_string(c.refusedRename) + " " + std::to_string(c.valuesSet));
        const PassOutcome result = *session.run(request);
        const auto* stopped = std::get_if<PassStopped>(&result);
        ASSERT_TRUE(stopped);
        EXPECT_EQ(stopped->problem.rule,
                  c.refusedRename ? Problem::Rule::Stopped : Problem::Rule::StoppedByUser);
        EXPECT_EQ(stopped->byUser, c.refusedRename == 0);
        EXPECT_EQ(stopped->made, static_cast<std::size_t>(c.made));
        EXPECT_TRUE(stopped->undo.complete && stopped->undo.stillInEffect.empty());
        EXPECT_FALSE(stopped->journalKept);
        EXPECT_EQ(session.names(), (Names{"R7", "R8", "C3", "R9"}));
        EXPECT_EQ(session.window.pcbHandOffs, 0);
        EXPECT_FALSE(session.logic.passOpen());
        // The bar counts the renames put back from 0, before it is emptied at the end.
        const std::vector<long long>& bar = session.window.progressBar().history();
        ASSERT_GT(bar.size(), static_cast<std::size_t>(c.made));
        const std::vector<long long> undoing(bar.end() - c.made - 2, bar.end() - 1);
        for (long long i = 0; i <= c.made; ++i)
            EXPECT_EQ(undoing[i], i);
        EXPECT_EQ(session.window.progressBar().value(), 0);
        EXPECT_TRUE(!std::filesystem::exists(session.state.journalFolder) ||
                    std::filesystem::is_empty(session.state.journalFolder));
    }
}

// An ECO step that throws past its own checks stops the pass with its words as a value, and
// every name is put back.
TEST(NumberingPass, AnEcoStepThatThrowsStopsThePassWithItsWords) {
    struct Throwing : EcoHandOff {
        host::EcoDelivery writeToChosenFile(const EcoRows&) override {
            throw std::runtime_error("disk gone");
        }
        host::EcoDelivery handToPowerPcb(host::LogicApplication&, const EcoRows&) override {
            throw 1;
        }
        std::string whyPowerPcbCannotTake() override { return {}; }
    } step;
    for (const EcoDestination where : {EcoDestination::ChosenFile, EcoDestination::PowerPcb}) {
        Session session(document({part("R7"), part("R1")}));
        session.window.useEcoStep(step);
        const PassOutcome outcome = *session.run(allComponentsRequest("1", where));
        ASSERT_TRUE(problemOf(outcome));
        EXPECT_EQ(problemOf(outcome)->rule, Problem::Rule::EcoStepThrew);
        EXPECT_EQ(problemOf(outcome)->detail,
                  where == EcoDestination::ChosenFile ? "disk gone" : "");
        EXPECT_EQ(session.names(), (Names{"R7", "R1"}));
    }
}

TEST(NumberingPass, FailedUndoListsWhatStays) {
    // Two components share R50; once both are renamed, the first cannot have R50 back.
    const auto doc = document({part("R50"), part("R50"), part("R51")});
    const auto request = allComponentsRequest("1");
    Session session(doc);
    session.logic.failCall(nthCall(doc, request, "LogicComponent.SetName", 3), HostCode::Failed);
    const PassOutcome result = *session.run(request);
    const auto* stopped = std::get_if<PassStopped>(&result);
    ASSERT_TRUE(stopped);
    EXPECT_TRUE(contains(stopped->problem.detail, "R51 to R3")) << stopped->problem.detail;
    EXPECT_FALSE(stopped->undo.complete);
    EXPECT_TRUE(stopped->journalKept);
    EXPECT_EQ(stopped->undo.stillInEffect, (std::vector<Rename>{renameOf(0, "R50", "R1")}));
    EXPECT_EQ(session.names(), (Names{"R1", "R50", "R51"}));
}

PassRequest handedToLayout(bool all) {
    return all ? allComponentsRequest("1", EcoDestination::PowerPcb)
               : selectedComponentsRequest("1", false, EcoDestination::PowerPcb);
}

PassRequest asked(PassRequest request, WalkOrder order, const std::string& leaveAlone) {
    request.order = order;
    request.leaveAlone = *parseLeaveAlone(leaveAlone).leaveAlone;
    return request;
}

// Rows from the top, columns from the left, whatever the letter code; components left alone
// keep their names and numbers (J* is the letter code J: not JP), and the entries that match
// nothing are told. Without "Write ECO file" nothing goes to PowerPCB or a file.
TEST(NumberingPass, OrdersAcrossOrDownAndComponentsLeftAlone) {
    const auto sheet = document({part("R9", true, 0, 1000), part("R7", true, 500, 1100),
                                 part("R2", false, 0, 0), part("R8", true, 0, 0)});
    const struct {
        host::sim::DocumentData doc;
        PassRequest request;
        Names after;
        Names leftAlone;
        Names unmatched;
    } cases[] = {
        {document({part("U5"), part("U1"), part("U7")}),
         asked(allComponentsRequest("1"), WalkOrder::Standard, "U1, TP*"),
         {"U2", "U1", "U3"},
         {"U1"},
         {"TP*"}},
        {document({part("JP5"), part("J5"), part("RN4"), part("R7")}),
         asked(allComponentsRequest("1"), WalkOrder::Standard, "J*, R*"),
         {"JP1", "J5", "RN1", "R7"},
         {"J5", "R7"},
         {}},
        // The walk reaches two neighbouring numbers held by components left alone.
        {document({part("R9"), part("R3"), part("R4"), part("R8"), part("R7")}),
         asked(allComponentsRequest("1"), WalkOrder::Standard, "R3 R4"),
         {"R1", "R3", "R4", "R2", "R5"},
         {"R3", "R4"},
         {}},
        {document({part("R9", false, 0, 1000), part("C3", false, 500, 1100), part("R4")}),
         asked(allComponentsRequest("1"), WalkOrder::AcrossThenDown, ""),
         {"R1", "C1", "R2"},
         {},
         {}},
        {sheet,
         asked(selectedComponentsRequest("1", false), WalkOrder::AcrossThenDown, "R2"),
         {"R1", "R3", "R2", "R4"},
         {},
         {}},
        {sheet,
         asked(selectedComponentsRequest("1", true), WalkOrder::DownThenAcross, "R7 R2 J*"),
         {"R1", "R7", "R2", "R3"},
         {"R7"},
         {"J*"}},
    };
    for (const auto& c : cases) {
        Session session(c.doc);
        const PassOutcome result = *session.run(c.request);
        const auto* done = std::get_if<PassCompleted>(&result);
        ASSERT_TRUE(done) << whatStopped(result);
        EXPECT_EQ(session.names(), c.after);
        EXPECT_EQ(done->applied.leftAlone, c.leftAlone);
        EXPECT_EQ(done->applied.unmatchedEntries, c.unmatched);
        EXPECT_EQ(session.window.pcbHandOffs + session.window.fileDialogs, 0);
    }
}

// A gate's number (U1C carries 1 of U) is given to no other component, in every mode and order,
// left alone or not; the walk still keeps a number at the gate's place. A selected component
// that alone carries the name it would be given keeps it.
TEST(NumberingPass, GatesKeepTheirNumbersAndNamesAlreadyRightStay) {
    const auto duplicates = [](const char* start, WalkOrder order, const char* leaveAlone) {
        return asked(selectedComponentsRequest(start, true), order, leaveAlone);
    };
    const struct {
        host::sim::DocumentData doc;
        PassRequest request;
        Names after;
    } cases[] = {
        {document({part("U5"), part("U1C"), part("U7"), part("U2")}),
         allComponentsRequest("1"),
         {"U2", "U1C", "U4", "U5"}},
        {document({part("U5", false, 0, 0), part("U1C", false, 100, 0), part("U7", false, 200, 0),
                   part("U02B", false, 300, 0)}),
         asked(allComponentsRequest("1"), WalkOrder::AcrossThenDown, ""),
         {"U3", "U1C", "U5", "U02B"}},
        {document({part("U8", true, 0, 0), part("U3", false, 100, 0), part("U1C", false, 200, 0),
                   part("U5B", false, 300, 0)}),
         duplicates("3", WalkOrder::AcrossThenDown, "U1C"),
         {"U3", "U2", "U1C", "U5B"}},
        {document({part("U8", true, 0, 0), part("U2", false, 100, 0), part("U1C", false, 200, 0)}),
         duplicates("1", WalkOrder::Standard, ""),
         {"U2", "U3", "U1C"}},
        {document({part("LED1", true, 0, 0), part("LED2", true, 100, 0)}),
         selectedComponentsRequest("1", false),
         {"LED1", "LED2"}},
        {document({part("Q25", true, 0, 0), part("Q8", true, 100, 0)}),
         selectedComponentsRequest("25", false),
         {"Q25", "Q26"}},
        {document({part("R1", true, 0, 0), part("R1", true, 100, 0), part("R2")}),
         selectedComponentsRequest("1", false),
         {"R3", "R4", "R2"}},
    };
    for (const auto& c : cases) {
        Session session(c.doc);
        const PassOutcome result = *session.run(c.request);
        ASSERT_TRUE(completed(result)) << whatStopped(result);
        EXPECT_EQ(session.names(), c.after);
    }
}

// Stops found before any rename: the plan's in its own words, the layout's by rule and part.
TEST(NumberingPass, StopsThePlanFindsRenameNothing) {
    const struct {
        const char* what;
        host::sim::DocumentData doc;
        engine::PassRequest request;
        std::string problem;
    } cases[] = {
        // Numbers run out for a letter code's component: said with the count (over all components:
        // the runner's scenario).
        {"numbers beyond 16 bits, selected",
         document({part("C1", true), part("C2", true), part("C3", true), part("r4", true)}),
         engine::selectedComponentsRequest("32766", false),
         "Starting at 32766 leaves no number for the third of 3 C components."},
        {"numbers beyond 16 bits, no letter code",
         document({part("7"), part("8"), part("9"), part("10"), part("11"), part("12"), part("13"),
                   part("14"), part("15"), part("16"), part("17"), part("18")}),
         engine::allComponentsRequest("32758"),
         "Starting at 32758 leaves no number for the 11th of 12 components without a letter "
         "code."},
        // PowerLogic refuses a name that a twin carries, even the component's own: the gap
        // below R3 gives R2 its own name back.
        {"a name a twin also carries",
         document({part("R5"), part("R3"), part("R2", true), part("R2")}),
         engine::selectedComponentsRequest("2", false),
         "PowerLogic would not rename R2 to R2: another component already carries that name."},
        // With an ECO file asked for, the layout must be able to follow every rename.
        {"a name of two components, with the ECO file",
         document({part("R5", true), part("R5"), part("R2", true)}), handedToLayout(false), "R5"},
        {"a name the layout cannot carry, with the ECO file", document({part("TP$1"), part("R2")}),
         handedToLayout(true), "TP$1"},
        {"numbers beyond 16 bits past one left alone",
         document({part("C1"), part("C32766"), part("C2")}),
         asked(engine::allComponentsRequest("32766"), WalkOrder::Standard, "C32766"),
         "Starting at 32766 leaves no number for the second of 2 C components."},
        {"a component not placed, all components across the sheet",
         document({part("R1"), {"R2", false, {}}}),
         asked(engine::allComponentsRequest("1"), WalkOrder::AcrossThenDown, ""),
         "R2 is not placed on the sheet, so the components cannot be ordered by position."},
    };
    for (const auto& c : cases) {
        Session session(c.doc);
        const PassOutcome result = *session.run(c.request);
        ASSERT_TRUE(problemOf(result)) << c.what;
        const Problem& problem = *problemOf(result);
        const std::string& told = problem.parts.empty() ? problem.detail : problem.parts[0];
        EXPECT_TRUE(told.starts_with(c.problem)) << c.what << ": " << told;
        Names before;
        for (const auto& component : c.doc.components)
            before.push_back(component.name);
        EXPECT_EQ(session.names(), before) << c.what;
    }
}

// "Assign next free names" reaches the last number there is, and stops only beyond it.
TEST(NumberingPass, TheNextFreeNameCanBeTheTopNumber) {
    Session top(document({part("R1", true), part("R32766")}));
    EXPECT_TRUE(completed(top.runSelected("32766")));
    EXPECT_EQ(top.names(), (Names{"R32767", "R32766"}));

    Session full(document({part("R1", true), part("R32766"), part("R32767")}));
    const PassOutcome stopped = full.runSelected("32766");
    EXPECT_TRUE(contains(whatStopped(stopped), "would need the number 32768"))
        << whatStopped(stopped);
    EXPECT_EQ(full.names(), (Names{"R1", "R32766", "R32767"}));
}

TEST(NumberingPass, HostFailureOutsideARenameNamesTheComponent) {
    const auto doc = document({part("R7", true, 1, 1), part("R8", true, 0, 0)});
    const auto request = selectedComponentsRequest("1", false);
    Session session(doc);
    session.logic.failCall(nthCall(doc, request, "LogicPlacement.SecondCoordinate", 2),
                           HostCode::Timeout);
    const std::string said = whatStopped(session.run(request));
    EXPECT_TRUE(contains(said, "position of R8")) << said;
    // A component PowerLogic does not give is named by its neighbour in the list.
    Session missing(doc);
    missing.logic.answerNoObjectAtCall(nthCall(doc, request, "LogicObjects.Item", 2));
    EXPECT_TRUE(contains(whatStopped(missing.run(request)), "the component after R7 in its list"));
}

// A component PowerLogic names otherwise than it was asked to: the pass stops and puts it back.
TEST(NumberingPass, ANameReadBackOtherThanPlannedStopsThePass) {
    class Stubborn : public host::LogicComponent {
    public:
        std::string Value() override { return mName; }
        std::string Name() override { return mName; }
        void SetName(const std::string& name) override { mName = name == "R1" ? "R1X" : name; }
        bool Selected() override { return false; }
        std::shared_ptr<host::LogicPlacements> Placements() override { return nullptr; }

    private:
        std::string mName = "R7";
    };
    const std::vector<std::shared_ptr<host::LogicComponent>> components = {
        std::make_shared<Stubborn>()};
    UndoList undo;
    std::string activity;
    engine::HeadlessProgress bar;
    EXPECT_THROW(
        applyRenames({components, undo, nullptr}, {renameOf(0, "R7", "R1")}, bar.port(), activity),
        PassStop);
    ASSERT_EQ(undo.size(), 1u);
    EXPECT_TRUE(undo.undo().complete);
    EXPECT_EQ(components[0]->Name(), "R7");
}

} // namespace
} // namespace sequate::engine::testing

// The next free name: the gap scan as PowerLogic lists the components, and the rule that the
// answer is free.

#include "engine/assignnext.h"
#include "engine/passstop.h"
#include "session.h"

#include <gtest/gtest.h>

namespace sequate::engine::testing {
namespace {

std::vector<host::sim::ComponentData> parts(const std::vector<std::string>& names) {
    std::vector<host::sim::ComponentData> result;
    for (const std::string& name : names)
        result.push_back(part(name));
    return result;
}

// A session whose allNames hold the document's names, as a pass over all components has them.
struct ScanSession : Session {
    explicit ScanSession(std::vector<host::sim::ComponentData> components)
        : Session(document(std::move(components))) {
        state.allNames = logic.openNames();
    }
};

TEST(AssignNext, GapScanInListOrder) {
    const struct {
        std::vector<std::string> list;
        std::string candidate;
        std::string answer;
    } cases[] = {
        {{"R1", "R2", "R3", "R5", "R6"}, "R3", "R4"},
        {{"R1", "R2", "R3", "R5", "R6"}, "R6", "R7"},
        {{"R2", "R7"}, "R3", "R6"}, // a gap is filled from the top
        {{"C1", "C2", "R3", "R4", "U1"}, "R2", "R5"},
        {{"C1", "R3", "R4"}, "R1", "R2"},
        {{"R1", "R", "C5"}, "R7", "R6"},
        {{"R1", "R2", "R2", "R4"}, "R1", "R1"}, // equal numbers end a gap at 2
        {{"U1", "R9"}, "R3", "R8"},
        {{"R3", "R4", "C8"}, "R1", "R5"},
    };
    for (const auto& c : cases) {
        ScanSession session(parts(c.list));
        session.state.numberMissing = true;
        EXPECT_EQ(AssignNext(session.state, c.candidate), c.answer) << c.candidate;
        EXPECT_FALSE(session.state.numberMissing);
    }
}

TEST(AssignNext, ScanListFollowsTheSelectionAtTheCall) {
    auto components = parts({"R1", "R5", "R2"});
    ScanSession all(components);
    EXPECT_EQ(AssignNext(all.state, "R1"), "R4");

    components[0].selected = components[2].selected = true;
    ScanSession selection(components);
    selection.state.allNames = {"R1", "R2"};
    EXPECT_EQ(AssignNext(selection.state, "R1"), "R3");
}

TEST(AssignNext, StopsWhenItCannotAnswer) {
    ScanSession missingCode(parts({"C1", "C2"}));
    EXPECT_THROW(AssignNext(missingCode.state, "R1"), PassStop);

    ScanSession tooHigh(parts({"R32766", "R32767"}));
    EXPECT_THROW(AssignNext(tooHigh.state, "R32767"), PassStop);
}

TEST(NextFreeName, SkipsNamesCarriedAnywhereInTheDocument) {
    ScanSession session(parts({"R1", "R3", "R2"}));
    session.state.allNames = {"R1", "R3"};
    auto everyComponent = session.state.powerlogicdoc->ComponentSet()->Objects();
    // The scan answers R2, carried by the last component; R3 is carried too.
    EXPECT_EQ(nextFreeName(session.state, *everyComponent, "R1", "R1", false), "R4");
}

TEST(NextFreeName, HolderNeverGetsTheCandidateBack) {
    // The scan finds the gap below R3, which is the candidate R2 itself.
    ScanSession session(parts({"R5", "R1", "R3", "R2"}));
    auto everyComponent = session.state.powerlogicdoc->ComponentSet()->Objects();
    EXPECT_EQ(nextFreeName(session.state, *everyComponent, "R2", "R2", false), "R2");
    EXPECT_EQ(nextFreeName(session.state, *everyComponent, "R2", "R2", true), "R4");
}

} // namespace
} // namespace sequate::engine::testing

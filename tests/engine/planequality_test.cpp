// The planned pass against the pass it replaced, which asked PowerLogic at every step: over
// generated designs of every size, mode and option, both give the same renames in the same
// order, the same names afterwards, the same unnamed list and ECO text, and stop for the same
// reasons. Where the old pass learnt of a refused name from PowerLogic after renaming, the
// planned pass finds it first and stops with nothing renamed.

#include "designs.h"
#include "eco/ecooutput.h"
#include "reference/referencepass.h"
#include "session.h"

#include <gtest/gtest.h>

namespace sequate::engine::testing {
namespace {

struct Outcome {
    PassResult result;
    std::vector<std::string> after;
};

Outcome runOne(const host::sim::DocumentData& doc, const tools::Controls& controls,
               bool reference) {
    Session session(doc);
    session.window.controls = controls;
    Outcome outcome;
    if (reference)
        outcome.result =
            reference::referencePass(session.state, session.window, controls.optSelected ? 1 : 0);
    else
        outcome.result = StartFrom(session.state, session.window,
                                   controls.optSelected ? PassScope::SelectedComponents
                                                        : PassScope::AllComponents);
    outcome.after = session.names();
    return outcome;
}

std::string problemOf(const std::string& message) {
    return message.substr(0, message.find("\n\n"));
}

std::vector<std::string> ecoRows(const std::vector<RenameRecord>& renames, bool old) {
    std::vector<std::string> side;
    for (const auto& record : renames)
        side.push_back(old ? record.first : record.second);
    return side;
}

void expectSamePass(const host::sim::DocumentData& doc, const tools::Controls& controls) {
    const Outcome old = runOne(doc, controls, true);
    const Outcome planned = runOne(doc, controls, false);
    std::vector<std::string> before;
    for (const auto& component : doc.components)
        before.push_back(component.name);

    if (!old.result.completed) {
        ASSERT_FALSE(planned.result.completed) << old.result.stopMessage;
        EXPECT_EQ(planned.after, before) << old.result.stopMessage << "\n---\n"
                                         << planned.result.stopMessage;
        const std::string oldProblem = problemOf(old.result.stopMessage);
        const std::string newProblem = problemOf(planned.result.stopMessage);
        if (oldProblem.starts_with("PowerLogic did not rename"))
            EXPECT_TRUE(newProblem.starts_with("PowerLogic would not rename") ||
                        newProblem.starts_with("PowerLogic did not rename"))
                << oldProblem << "\n"
                << newProblem;
        else
            EXPECT_EQ(newProblem, oldProblem);
        return;
    }
    ASSERT_TRUE(planned.result.completed) << planned.result.stopMessage;
    EXPECT_EQ(planned.result.renames, old.result.renames);
    EXPECT_EQ(planned.after, old.after);
    EXPECT_EQ(planned.result.unnamed, old.result.unnamed);
    EXPECT_EQ(
        eco::ecoText(ecoRows(planned.result.renames, true), ecoRows(planned.result.renames, false)),
        eco::ecoText(ecoRows(old.result.renames, true), ecoRows(old.result.renames, false)));
}

TEST(PlanEquality, SameRenamesAsThePassItReplaced) {
    const double shares[] = {0, -1, 0.1, 0.5, 1};
    const char* starts[] = {"1", "7", "100"};
    int completed = 0;
    for (std::uint32_t seed = 1; seed <= 500; ++seed) {
        DesignGenerator random(seed);
        DesignShape shape;
        shape.components = seed % 50 == 0   ? random.between(1000, 3000)
                           : seed % 10 == 0 ? random.between(200, 600)
                                            : random.between(5, 120);
        shape.selectedShare = shares[seed % 5];
        shape.twins = seed % 7 == 0;
        const auto doc = random.design(shape);
        const std::string start = starts[seed % 3];
        SCOPED_TRACE("seed " + std::to_string(seed) + ", start " + start);
        const tools::Controls options[] = {
            tools::Controls::allComponents(start),
            tools::Controls::selectedComponents(start, false),
            tools::Controls::selectedComponents(start, true),
        };
        for (const auto& controls : options) {
            SCOPED_TRACE(controls.optSelected ? (controls.optDuplicate ? "duplicates" : "assign")
                                              : "all");
            expectSamePass(doc, controls);
            if (HasFatalFailure())
                return;
        }
        ++completed;
    }
    EXPECT_EQ(completed, 500);
}

} // namespace
} // namespace sequate::engine::testing

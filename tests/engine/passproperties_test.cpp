// Properties of whole passes over generated schematics. Every case prints its seed; rerun one
// with --gtest_filter and the seed loop narrowed to it.
//
// Generated numbers stay below 24001 and start numbers at or below 200, with at most a few
// thousand components: the temporary numbers of a pass over all components (above the
// highest number and above start + count, plus the count moved) then stay within 16 bits, so
// a pass that should complete is never stopped by the limit.

#include "designs.h"
#include "engine/partname.h"
#include "session.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

namespace sequate::engine::testing {
namespace {

using Names = std::vector<std::string>;

// Mostly 1, as users start; sometimes higher.
int startNumber(DesignGenerator& random) {
    return random.chance(0.5) ? 1 : random.between(1, 200);
}

// Any order of the walk.
WalkOrder walkOrder(DesignGenerator& random) {
    return static_cast<WalkOrder>(random.between(0, 2));
}

// Now and then components left alone: a name of the design, a letter code of it, and ZZ*,
// which no design of the generator matches.
LeaveAlone leaveAlone(DesignGenerator& random, const host::sim::DocumentData& doc) {
    if (doc.components.empty() || random.chance(0.4))
        return {};
    const auto anyName = [&] {
        return doc
            .components[static_cast<std::size_t>(
                random.between(0, static_cast<int>(doc.components.size()) - 1))]
            .name;
    };
    std::string text = anyName() + ", ZZ*";
    if (const std::string code = letterCode(anyName()); !code.empty())
        text += " " + code + "*";
    return *parseLeaveAlone(text).leaveAlone;
}

// The numbers no component is given, per letter code: those of the left-alone names made of a
// code and digits, and those of the gates, names of a code, digits and letters (U1C holds 1).
std::map<std::string, std::set<int>> heldNumbers(const Names& names, const LeaveAlone& leave) {
    std::map<std::string, std::set<int>> held;
    for (const std::string& name : names) {
        const std::string code = letterCode(name);
        const std::size_t digitsEnd = name.find_first_not_of("0123456789", code.size());
        if (digitsEnd == code.size() || name.size() == code.size())
            continue;
        const bool gate =
            digitsEnd != std::string::npos &&
            name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ", digitsEnd) == std::string::npos;
        if (gate || (leave.matches(name) && digitsEnd == std::string::npos))
            held[code].insert(std::stoi(name.substr(code.size(), digitsEnd - code.size())));
    }
    return held;
}

// Left-alone components keep their names, no other component is given a number one of them or
// a gate holds, and the entries that match no component are told.
void expectLeftAlone(const Names& before, const Names& after, const LeaveAlone& leave,
                     const PassPlan& plan) {
    const auto held = heldNumbers(before, leave);
    for (std::size_t i = 0; i < before.size(); ++i) {
        const std::string code = letterCode(after[i]);
        if (leave.matches(before[i])) {
            EXPECT_EQ(after[i], before[i]) << "left alone";
        } else if (after[i] != before[i] && held.count(code)) {
            EXPECT_EQ(held.at(code).count(partNumberOf(after[i])), 0u) << after[i] << " is held";
        }
    }
    if (!plan.stop) {
        EXPECT_EQ(plan.unmatchedEntries, leave.empty() ? Names{} : Names{"ZZ*"});
    }
}

// None selected, exactly one, or a share.
double selectedShare(DesignGenerator& random) {
    const int selection = random.between(0, 3);
    return selection == 0 ? 0 : selection == 1 ? -1 : random.between(1, 9) / 10.0;
}

std::multiset<std::string> replay(const Names& before, const std::vector<Rename>& records) {
    std::multiset<std::string> names(before.begin(), before.end());
    for (const auto& [component, from, to] : records) {
        const auto found = names.find(from);
        EXPECT_NE(found, names.end()) << "record " << from << " to " << to;
        if (found == names.end())
            continue;
        names.erase(found);
        names.insert(to);
    }
    return names;
}

// Two components share a name afterwards only if they shared it before and kept it.
void expectNoNewDuplicate(const Names& before, const Names& after) {
    std::map<std::string, std::vector<std::size_t>> carriers;
    for (std::size_t i = 0; i < after.size(); ++i)
        carriers[after[i]].push_back(i);
    for (const auto& [name, who] : carriers) {
        if (who.size() < 2)
            continue;
        for (std::size_t i : who)
            EXPECT_EQ(before[i], name) << "new duplicate " << name;
    }
}

void expectConsistent(const Names& before, const Names& after, const PassOutcome& result) {
    const auto replayed = replay(before, renamesInEffect(result));
    EXPECT_EQ(replayed, std::multiset<std::string>(after.begin(), after.end()));
    const auto* stopped = std::get_if<PassStopped>(&result);
    if (completed(result)) {
        expectNoNewDuplicate(before, after);
    } else if (!stopped || stopped->undo.complete) {
        EXPECT_EQ(after, before) << whatStopped(result);
    }
}

// Each letter code's components in walk order carry start, start + 1, ..., past the numbers
// left-alone components and gates hold; a name ending in a letter stays, and the walk keeps a
// number at its place.
void expectNumberedInWalkOrder(const Names& before, const Names& after,
                               const std::vector<std::size_t>& walk, int start,
                               const LeaveAlone& leave) {
    auto held = heldNumbers(before, leave);
    std::map<std::string, int> next;
    for (std::size_t i : walk) {
        if (leave.matches(before[i]))
            continue;
        const std::string code = letterCode(before[i]);
        int& number = next.try_emplace(code, start).first->second;
        while (held[code].count(number))
            ++number;
        if (endsInLetter(before[i])) {
            EXPECT_EQ(after[i], before[i]);
        } else {
            EXPECT_EQ(after[i], code + std::to_string(number)) << "was " << before[i];
        }
        ++number;
    }
}

int selectedCount(const host::sim::DocumentData& doc) {
    return static_cast<int>(std::count_if(doc.components.begin(), doc.components.end(),
                                          [](const auto& part) { return part.selected; }));
}

struct Outcome {
    Names before;
    Names after;
    std::optional<PassOutcome> result;
    std::vector<std::size_t> walk; // components in the order they were numbered
};

// The ECO file PowerPCB is handed holds the renames the schematic went through, in order: each
// renames what its component carried at that moment (a temporary name included), none leaves a
// name as it was, and together they give the names after the pass. A pass that changes nothing
// asks nothing of PowerPCB.
void expectEcoOfTheRenamesMade(const Names& before, const Names& after, const PassOutcome& result,
                               const HeadlessWindow& window, std::size_t renameCalls) {
    if (!completed(result))
        return;
    ASSERT_TRUE(ecoOf(result));
    if (before == after) {
        EXPECT_EQ(window.pcbHandOffs, 0);
        EXPECT_TRUE(ecoOf(result)->nothingToRead);
        return;
    }
    EXPECT_EQ(window.pcbHandOffs, 1);
    EXPECT_EQ(window.ecoRows.size(), renameCalls);
    Names names = before;
    for (const Rename& row : window.ecoRows) {
        EXPECT_NE(row.before, row.after);
        EXPECT_EQ(names.at(row.component.value()), row.before) << "row " << row.before;
        names.at(row.component.value()) = row.after;
    }
    EXPECT_EQ(names, after);
}

// One pass, with its ECO file for PowerPCB, checked for what every pass must hold.
Outcome runChecked(const host::sim::DocumentData& doc, PassRequest request, Session& session) {
    request.eco = EcoDestination::PowerPcb;
    std::size_t renameCalls = 0;
    session.logic.setCallObserver(
        [&](const std::string& call) { renameCalls += call == "LogicComponent.SetName"; });
    session.window.pcbHandOffs = 0;
    Outcome outcome;
    outcome.before = session.names();
    outcome.result = *session.run(request);
    outcome.after = session.names();
    Session preview(doc);
    const PassPlan plan =
        ui::previewedPlan(previewPass(preview.state, preview.window.ports(), request));
    outcome.walk = plan.walk;
    expectConsistent(outcome.before, outcome.after, *outcome.result);
    expectLeftAlone(outcome.before, outcome.after, request.leaveAlone, plan);
    expectEcoOfTheRenamesMade(outcome.before, outcome.after, *outcome.result, session.window,
                              renameCalls);
    return outcome;
}

Outcome runChecked(const host::sim::DocumentData& doc, const PassRequest& request) {
    Session session(doc);
    return runChecked(doc, request, session);
}

TEST(PassProperties, AllComponents) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        DesignGenerator random(seed);
        DesignShape shape;
        shape.twins = seed % 4 == 0;
        // Few numbers: a pass hands out numbers far above the highest one in use.
        const bool fewNumbers = seed % 3 == 1 && seed % 25 != 0;
        shape.highestNumber = fewNumbers ? 4 : 0;
        shape.components = random.between(1, seed % 25 == 0 ? 2500 : fewNumbers ? 40 : 120);
        shape.selectedShare = selectedShare(random);
        const auto doc = random.design(shape);
        const int start = startNumber(random);
        Session session(doc);
        PassRequest request = engine::allComponentsRequest(std::to_string(start));
        request.order = walkOrder(random);
        request.leaveAlone = leaveAlone(random, doc);
        const auto [before, after, result, walk] = runChecked(doc, request, session);

        if (shape.twins || selectedCount(doc) > 1)
            continue;
        // Numbered so already, the schematic is left as it is, and the layout too.
        EXPECT_TRUE(renamesInEffect(*runChecked(doc, request, session).result).empty());
        ASSERT_TRUE(completed(result)) << whatStopped(result);
        std::vector<std::size_t> listOrder(before.size());
        for (std::size_t i = 0; i < listOrder.size(); ++i)
            listOrder[i] = i;
        std::vector<std::size_t> walked = walk;
        if (request.order != WalkOrder::Standard)
            std::sort(walked.begin(), walked.end());
        EXPECT_EQ(walked, listOrder);
        expectNumberedInWalkOrder(before, after, walk, start, request.leaveAlone);
    }
}

TEST(PassProperties, SelectedComponents) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        DesignGenerator random(seed);
        DesignShape shape;
        shape.twins = seed % 5 == 0;
        shape.unplaced = seed % 9 == 0;
        const bool fewNumbers = seed % 3 == 1 && seed % 40 != 0;
        shape.highestNumber = fewNumbers ? 4 : 0;
        shape.components = random.between(1, seed % 40 == 0 ? 800 : fewNumbers ? 40 : 120);
        shape.selectedShare = selectedShare(random);
        const auto doc = random.design(shape);
        const auto policy = static_cast<TakenNamePolicy>(seed % 3);
        const int start = startNumber(random);
        PassRequest request = engine::selectedComponentsRequest(std::to_string(start), false);
        request.policy = policy;
        request.order = walkOrder(random);
        request.leaveAlone = leaveAlone(random, doc);
        const auto [before, after, result, walk] = runChecked(doc, request);

        if (shape.twins || shape.unplaced)
            continue;
        ASSERT_TRUE(completed(result)) << whatStopped(result);
        if (policy != TakenNamePolicy::RenameDuplicates) {
            for (std::size_t i = 0; i < before.size(); ++i) {
                if (!doc.components[i].selected || policy == TakenNamePolicy::None) {
                    EXPECT_EQ(after[i], before[i]) << "not selected";
                }
            }
            continue;
        }
        ASSERT_EQ(walk.size(), static_cast<std::size_t>(selectedCount(doc)));
        expectNumberedInWalkOrder(before, after, walk, start, request.leaveAlone);
    }
}

} // namespace
} // namespace sequate::engine::testing

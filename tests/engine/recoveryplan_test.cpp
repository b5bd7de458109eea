// What a recovery does with a journal found, decided from the journal and the names alone.

#include "engine/recoveryplan.h"
#include "session.h"

#include <gtest/gtest.h>
#include <vector>

namespace sequate::engine::testing {
namespace {

// A pass over R7 R1 C3 that renames R7 to R1 by way of a temporary name, and R1 to R2.
RenameJournal passOver(JournalKind kind = JournalKind::Pass, HandOver handedOver = HandOver::None) {
    RenameJournal journal;
    journal.document = "amp.sch";
    journal.kind = kind;
    journal.components = 3;
    journal.namesBefore = {"R7", "R1", "C3"};
    journal.renames = {renameOf(0, "R7", "R90"), renameOf(1, "R1", "R2"), renameOf(0, "R90", "R1")};
    journal.handedOver = handedOver;
    return journal;
}

// The same pass in the earlier version's journal, which kept only the names it changed.
RenameJournal earlierVersion() {
    RenameJournal journal = passOver();
    journal.namesBefore.clear();
    return journal;
}

TEST(RecoveryPlan, TheJournalTakenUpIsOneWhoseNamesExplainTheSchematicAndAreNotAtRest) {
    const RenameJournal other = [] {
        RenameJournal journal = passOver();
        journal.namesBefore = {"X1", "X2", "X3"};
        return journal;
    }();
    const struct {
        std::vector<RenameJournal> journals;
        Names now;
        std::optional<std::size_t> taken;
    } cases[] = {
        {{passOver()}, {"R90", "R2", "C3"}, 0},
        {{passOver()}, {"R1", "R2", "C3"}, 0},
        {{earlierVersion()}, {"R1", "R2", "C3"}, 0},
        // An untouched copy of the design is at rest, unless PowerPCB may hold the renames.
        {{passOver()}, {"R7", "R1", "C3"}, std::nullopt},
        {{passOver(JournalKind::Pass, HandOver::Layout)}, {"R7", "R1", "C3"}, 0},
        // Another design: one name no rename explains, or another count of components.
        {{passOver()}, {"R1", "R2", "C4"}, std::nullopt},
        {{passOver()}, {"R1", "R2"}, std::nullopt},
        {{other, passOver()}, {"R1", "R2", "C3"}, 1},
        // A put-back is at rest once it reached the names it puts back.
        {{passOver(JournalKind::PutBack)}, {"R1", "R2", "C3"}, std::nullopt},
        // ... unless the layout follows by a file that may not have been written yet.
        {{passOver(JournalKind::PutBack, HandOver::File)}, {"R1", "R2", "C3"}, 0},
        {{passOver(JournalKind::PutBack)}, {"R90", "R1", "C3"}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(journalToSettle(c.journals, c.now), c.taken) << ::testing::PrintToString(c.now);
}

// A journal is set aside before a pass's first rename when any names the pass goes through, its
// temporary names included, are ones the journal would take for its own.
TEST(RecoveryPlan, AJournalIsClaimedByAnyNamesAPassGoesThrough) {
    const struct {
        Names now;
        std::vector<Rename> renames;
        bool claimed;
    } cases[] = {
        {{"R90", "R2", "C3"}, {}, true},
        {{"R7", "R1", "C3"}, {}, false}, // at rest
        // Through R90, R1, C3 on the way to X1, R1, C3.
        {{"X7", "R1", "C3"}, {renameOf(0, "X7", "R90"), renameOf(0, "R90", "X1")}, true},
        {{"X7", "R1", "C3"}, {renameOf(0, "X7", "X1"), renameOf(1, "R1", "R2")}, false},
        {{"X7", "R1"}, {renameOf(0, "X7", "R90")}, false}, // another count of components
    };
    for (const auto& c : cases)
        EXPECT_EQ(wouldClaim(passOver(), c.now, c.renames), c.claimed)
            << ::testing::PrintToString(c.now);
}

TEST(RecoveryPlan, TheQuestionCountsTheRenamesInEffectAndThePutBackGoesToTheFirstNames) {
    struct Case {
        RenameJournal journal;
        Names now;
        UnfinishedPass question;
        Names putBackTo;
    };
    // A vector, not an array: MinGW's optimiser takes the array's strings for uninitialised.
    const std::vector<Case> cases = {
        {passOver(), {"R90", "R1", "C3"}, {"amp.sch", 1, 2, false}, {"R7", "R1", "C3"}},
        {passOver(JournalKind::Pass, HandOver::Layout),
         {"R1", "R2", "C3"},
         {"amp.sch", 2, 2, true},
         {"R7", "R1", "C3"}},
        // A part the earlier version renamed twice goes back to its name before the first.
        {earlierVersion(), {"R1", "R2", "C3"}, {"amp.sch", 2, 2, false}, {"R7", "R1", "C3"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(questionAbout(c.journal, c.now), c.question);
        EXPECT_EQ(putBackPlan(c.journal, c.now).target, c.putBackTo);
    }
}

// Asked only where neither the journal nor the caller decides.
TEST(RecoveryPlan, APutBackOrAKeepCutShortIsCarriedOnUnasked) {
    const Names now = {"R1", "R2", "C3"};
    for (const auto choice :
         {std::optional<RecoveryChoice>(), std::optional(RecoveryChoice::Keep)}) {
        EXPECT_EQ(startRecovery(passOver(JournalKind::PutBack), now, choice).decided,
                  RecoveryChoice::PutBack);
        EXPECT_EQ(startRecovery(passOver(JournalKind::Keep), now, choice).decided,
                  RecoveryChoice::Keep);
        const RecoveryStart pass = startRecovery(passOver(), now, choice);
        EXPECT_EQ(pass.decided, choice);
        EXPECT_EQ(pass.question.has_value(), !choice);
    }
}

// A put-back carried on follows in the layout from the names it began with, which the layout
// holds if it took the file; the renames kept follow from the names before the pass.
TEST(RecoveryPlan, TheLayoutFollowsFromTheNamesItMayHold) {
    const Names midway = {"R90", "R1", "C3"};
    const PutBackPlan back = putBackPlan(passOver(JournalKind::PutBack, HandOver::Layout), midway);
    ASSERT_TRUE(back.layout);
    EXPECT_EQ(back.layout->renames, renamesBetween({"R7", "R1", "C3"}, back.target));
    EXPECT_TRUE(back.layout->probe);
    EXPECT_EQ(back.journal.namesBefore, midway);
    EXPECT_FALSE(putBackPlan(passOver(), midway).layout);

    const KeepPlan kept = keepPlan(passOver(JournalKind::Pass, HandOver::Layout), midway);
    EXPECT_EQ(kept.staying, renamesBetween({"R7", "R1", "C3"}, midway));
    ASSERT_TRUE(kept.layout);
    EXPECT_EQ(kept.layout->renames, kept.staying);
    // Names that only moved among the components leave nothing to probe with.
    EXPECT_FALSE(layoutFollow({"R1", "R2"}, {"R2", "R1"}).probe);
}

// Only PowerPCB's own refusal of the whole probe says the layout never took the pass's file.
TEST(RecoveryPlan, OnlyARefusalOfTheWholeProbeTellsTheLayoutIsInStep) {
    using host::EcoOutcome;
    const struct {
        host::EcoDelivery probed;
        ProbeAnswer answer;
    } cases[] = {
        {{EcoOutcome::Delivered, ""}, ProbeAnswer::TookIt},
        {{EcoOutcome::FileLeftOver, "left"}, ProbeAnswer::TookIt},
        {{EcoOutcome::NotDelivered, "refused", true}, ProbeAnswer::InStep},
        {{EcoOutcome::NotDelivered, "PowerPCB is not running."}, ProbeAnswer::Unknown},
        {{EcoOutcome::Unknown, "no answer"}, ProbeAnswer::Unknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(probeAnswer(c.probed), c.answer) << c.probed.message;
}

TEST(RecoveryPlan, APassFollowsOnlyWhereNoJournalWaitsAndNobodyWasAsked) {
    EXPECT_TRUE(passMayFollow(false, false, false));
    EXPECT_TRUE(passMayFollow(true, true, false));
    EXPECT_FALSE(passMayFollow(true, true, true));
    EXPECT_FALSE(passMayFollow(true, false, false));
}

} // namespace
} // namespace sequate::engine::testing

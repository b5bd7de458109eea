// A pass that survives a crash: its journal on disk, a fault at any call of any kind, the
// recovery at the next Run, and PowerLogic's pass always closed.

#include "engine/recovery.h"
#include "engine/renamejournal.h"
#include "session.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace sequate::engine::testing {
namespace {

namespace fs = std::filesystem;
using host::HostCode;
using host::sim::CallFault;
using Names = std::vector<std::string>;

fs::path journalOf(const Session& session) {
    return journalPath(session.state.journalFolder, "amp.sch");
}

TEST(Journal, ReadsWhatItWrote) {
    const fs::path path =
        fs::path(sequate::testing::privateDataFolder) / "round" / "amp.sch.journal";
    RenameJournal planned{"amp \"1\".sch", 3, {{1, "R7", "R1"}, {3, "C\\ 2", "C1"}}, 0, false};
    {
        JournalWriter writer(path, planned);
        writer.markDone(1);
    }
    RenameJournal read = readJournal(path);
    EXPECT_EQ(read.document, planned.document);
    EXPECT_EQ(read.components, 3u);
    EXPECT_EQ(read.renames, planned.renames);
    EXPECT_EQ(read.done, 1u);
    EXPECT_FALSE(read.finished);
    finishJournal(path);
    EXPECT_TRUE(readJournal(path).finished);
}

TEST(Journal, RefusesWhatDoesNotParseNamingFileAndLine) {
    const struct {
        const char* text;
        const char* says;
    } cases[] = {
        {"", "line 1: it does not begin with"},
        {"sequate-journal 2\n", "line 1"},
        {"sequate-journal 1\ndocument amp\n", "line 2: a quoted name is missing"},
        {"sequate-journal 1\ndocument \"a\"\ncomponents x\n", "line 3: \"x\" is not a number"},
        {"sequate-journal 1\ndocument \"a\"\ncomponents 2\nrename 3 \"R1\" \"R2\"\napplying\n",
         "line 4: component 3 is not in the document's list"},
        {"sequate-journal 1\ndocument \"a\"\ncomponents 2\nrename 1 \"R1\n", "not closed"},
        {"sequate-journal 1\ndocument \"a\"\ncomponents 2\napplying\ndone 1\n",
         "line 5: more renames are marked done"},
        {"sequate-journal 1\ndocument \"a\"\ncomponents 2\nrename 1 \"R1\" \"R2\"\n",
         "ends before its list of renames is complete"},
        {"sequate-journal 1\ndocument \"a\"\ncomponents 2\napplying\nfinished\nfinished\n",
         "line 6: \"finished\" is not expected here"},
    };
    const fs::path path = fs::path(sequate::testing::privateDataFolder) / "bad.journal";
    for (const auto& c : cases) {
        std::ofstream(path, std::ios::binary) << c.text;
        try {
            readJournal(path);
            ADD_FAILURE() << "read: " << c.text;
        } catch (const JournalError& error) {
            EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos);
        }
    }
}

// Every call of a pass meets every kind of fault: the pass completes, or it stops with every
// name either as it was or explained by a rename the message lists as still, or maybe, in
// effect; then the next Run puts every name back.
TEST(Journal, EveryFaultAtEveryCallLeavesEveryNameAccountedFor) {
    const auto doc = document({part("R7", true, 0, 0), part("R1", false, 1, 0),
                               part("C3", true, 2, 0), part("R2", true, 3, 0), part("U1A")});
    const engine::Controls modes[] = {engine::Controls::allComponents("1"),
                                      engine::Controls::selectedComponents("1", false),
                                      engine::Controls::selectedComponents("1", true)};
    struct Kind {
        const char* name;
        CallFault fault;
        HostCode code;
        int calls; // how many calls in a row meet it
    };
    const Kind kinds[] = {
        {"refused", CallFault::Fails, HostCode::RenameRefused, 1},
        {"failed", CallFault::Fails, HostCode::Failed, 1},
        {"timeout", CallFault::Fails, HostCode::Timeout, 1},
        {"gone", CallFault::Fails, HostCode::ServerUnavailable, 1},
        {"gone for good", CallFault::Fails, HostCode::ServerUnavailable, 1000},
        {"took effect, then lost", CallFault::FailsAfterEffect, HostCode::Timeout, 1},
        {"took effect, then failed", CallFault::FailsAfterEffect, HostCode::Failed, 1},
        {"no object", CallFault::AnswersNoObject, HostCode::Failed, 1},
    };
    for (const auto& controls : modes) {
        Session probe(doc);
        const auto callsBefore = probe.logic.callCount();
        probe.run(controls);
        const auto passCalls = probe.logic.callCount() - callsBefore;
        for (const Kind& kind : kinds) {
            for (std::uint64_t k = 1; k <= passCalls; ++k) {
                SCOPED_TRACE(std::string(kind.name) + " at call " + std::to_string(k));
                Session session(doc);
                const Names before = session.names();
                for (int i = 0; i < kind.calls; ++i)
                    session.logic.planFault(k + i, kind.fault, kind.code);
                const auto result = session.run(controls);
                const Names after = session.names();
                if (!result) { // the check for an earlier pass's journal failed: no pass ran
                    EXPECT_EQ(after, before);
                    continue;
                }
                if (!result->completed) {
                    std::map<std::string, std::string> mayHaveBecome;
                    for (const auto& [from, to] : result->renames)
                        mayHaveBecome[from] = to;
                    for (std::size_t i = 0; i < after.size(); ++i) {
                        std::string name = before[i];
                        for (int step = 0; step < 4 && name != after[i]; ++step)
                            name = mayHaveBecome.count(name) ? mayHaveBecome[name] : name;
                        EXPECT_EQ(name, after[i]) << result->stopMessage;
                    }
                }
                // PowerLogic answers again: the next contact settles the pass and closes any
                // pass left open.
                session.logic.clearFaults();
                recoverUnfinishedPass(session.state, session.window, RecoveryChoice::PutBack);
                previewPass(session.state, session.window, PassScope::AllComponents);
                if (!result->completed) {
                    EXPECT_EQ(session.names(), before);
                }
                EXPECT_FALSE(session.logic.passOpen());
            }
        }
    }
}

// Sequate ends at any call, as a crash would: nothing of the pass's own clean-up runs.
struct Crash {};

TEST(Journal, RecoveryPutsBackOrKeepsWhatACrashLeft) {
    const auto doc = document({part("R7"), part("R1"), part("C3"), part("R2"), part("C9"),
                               part("R3"), part("R9"), part("C1")});
    Session probe(doc);
    probe.window.controls = engine::Controls::allComponents("1");
    const auto callsBefore = probe.logic.callCount();
    runPass(probe.state, probe.window, PassScope::AllComponents);
    const auto passCalls = probe.logic.callCount() - callsBefore;
    int recovered = 0;
    for (std::uint64_t k = 1; k <= passCalls; ++k) {
        for (RecoveryChoice choice : {RecoveryChoice::PutBack, RecoveryChoice::Keep}) {
            SCOPED_TRACE("crash at call " + std::to_string(k));
            Session session(doc);
            const Names before = session.names();
            std::uint64_t calls = 0;
            session.logic.setCallObserver([&](const std::string&) {
                if (++calls == k)
                    throw Crash{};
            });
            session.window.controls = engine::Controls::allComponents("1");
            EXPECT_THROW(runPass(session.state, session.window, PassScope::AllComponents), Crash);
            session.logic.setCallObserver({});
            const Names crashed = session.names();
            const bool finished =
                fs::exists(journalOf(session)) && readJournal(journalOf(session)).finished;
            const RecoveryOutcome outcome =
                recoverUnfinishedPass(session.state, session.window, choice);
            // A pass the crash left open is closed by the next one.
            previewPass(session.state, session.window, PassScope::AllComponents);
            EXPECT_FALSE(session.logic.passOpen());
            if (crashed == before || finished) {
                EXPECT_FALSE(outcome.done);
                continue;
            }
            ++recovered;
            ASSERT_TRUE(outcome.done) << outcome.message;
            if (choice == RecoveryChoice::PutBack) {
                EXPECT_EQ(session.names(), before);
                continue;
            }
            EXPECT_EQ(session.names(), crashed);
            // What stays, made in order on the names before, gives the names now.
            Names replayed = before;
            for (const auto& [from, to] : outcome.staying)
                *std::find(replayed.begin(), replayed.end(), from) = to;
            EXPECT_EQ(replayed, crashed);
            EXPECT_TRUE(readJournal(journalOf(session)).finished);
        }
    }
    EXPECT_GT(recovered, 4);
}

TEST(Journal, ANameTheJournalNeverGaveSetsItAside) {
    // PowerLogic is gone from the first rename on, so nothing can be undone.
    Session session(document({part("R7"), part("R1")}));
    std::uint64_t calls = 0;
    session.logic.setCallObserver([&](const std::string& call) {
        ++calls;
        if (call == "LogicComponent.SetName")
            for (int later = 1; later < 10; ++later)
                session.logic.planFault(later, CallFault::Fails, HostCode::ServerUnavailable);
    });
    session.runAll();
    session.logic.setCallObserver({});
    session.logic.clearFaults();
    ASSERT_FALSE(readJournal(journalOf(session)).finished);
    auto list = session.logic.application()->CurrentDocument()->ComponentSet()->Objects();
    list->Item(1)->SetName("R55");
    const RecoveryOutcome outcome = recoverUnfinishedPass(session.state, session.window);
    EXPECT_NE(outcome.message.find("set it aside"), std::string::npos) << outcome.message;
    EXPECT_FALSE(fs::exists(journalOf(session)));
    EXPECT_TRUE(session.runAll().completed);
}

TEST(Journal, APassIsAlwaysClosed) {
    const auto doc = document({part("R7"), part("R1")});
    {
        SCOPED_TRACE("left open by an earlier run");
        Session session(doc);
        session.logic.application()->BeginPass();
        EXPECT_TRUE(session.runAll().completed);
        EXPECT_FALSE(session.logic.passOpen());
        ASSERT_FALSE(session.window.messages.empty());
        EXPECT_NE(session.window.messages[0].text.find("Sequate has closed it"), std::string::npos);
    }
    {
        SCOPED_TRACE("BeginPass answered too late");
        Session session(doc);
        session.logic.planFault(
            nthCall(doc, engine::Controls::allComponents("1"), "LogicApplication.BeginPass", 1),
            CallFault::FailsAfterEffect, HostCode::Timeout);
        EXPECT_FALSE(session.runAll().completed);
        EXPECT_FALSE(session.logic.passOpen());
    }
    {
        SCOPED_TRACE("EndPass fails once");
        Session session(doc);
        Session probe(doc);
        const auto before = probe.logic.callCount();
        probe.runAll();
        session.logic.planFault(probe.logic.callCount() - before, CallFault::Fails,
                                HostCode::Failed);
        EXPECT_TRUE(session.runAll().completed);
        EXPECT_FALSE(session.logic.passOpen());
    }
}

} // namespace
} // namespace sequate::engine::testing

// A pass that survives a crash: its journal on disk, a fault at any call of any kind, the
// recovery at the next Run, and PowerLogic's pass always closed.

#include "engine/journalstore.h"
#include "engine/recovery.h"
#include "session.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace sequate::engine::testing {
namespace {

namespace fs = std::filesystem;
using host::HostCode;
using host::sim::CallFault;
using Names = std::vector<std::string>;

// The unfinished journals of the session's document.
std::vector<fs::path> journalsLeft(const Session& session) {
    return journalsOf(session.state.journalFolder, "amp.sch");
}

// Any document name, however long or whatever it holds, gives a journal of its own with a name
// every file system takes; what was written reads back past a mark a full disk cut short, and
// the journal is gone once settled.
TEST(Journal, ReadsWhatItWrotePastATornMarkUnderAShortSafeFileName) {
    const fs::path folder = fs::path(sequate::testing::privateDataFolder) / "names";
    RenameJournal planned;
    planned.kind = JournalKind::PutBack;
    planned.components = 3;
    planned.namesBefore = {"R7", "R\"9", "C\\ 2"};
    planned.renames = {renameOf(0, "R7", "R1"), renameOf(2, "C\\ 2", "C1")};
    for (const std::string& document :
         {std::string("amp \"1\".sch"), std::string(255, 'a'),
          std::string("<a>:\"b\"/c\\d|e?f*.sch"), std::string(".."), std::string()}) {
        planned.document = document;
        const fs::path path = journalPath(folder, planned);
        EXPECT_LE(path.filename().string().size(), 80u);
        EXPECT_EQ(path.filename().string().find_first_of("<>:\"/\\|?*"), std::string::npos);
        EXPECT_NE(path, journalPath(folder, planned)) << "a pass's journal is its own";
        {
            JournalWriter writer(path, planned);
            writer.markDone(1);
            std::ofstream(path, std::ios::app) << "hand"; // a mark a full disk cut short
            writer.markHandedOver(HandOver::Layout, "/tmp/a b/amp.eco");
        }
        RenameJournal marked = planned;
        marked.done = 1;
        marked.handedOver = HandOver::Layout;
        marked.handOverPath = "/tmp/a b/amp.eco";
        EXPECT_EQ(readJournal(path), marked);
        EXPECT_EQ(journalsOf(folder, document), std::vector<fs::path>{path});
        settleJournal(path);
        EXPECT_FALSE(fs::exists(path));
        EXPECT_NO_THROW(settleJournal(path)) << "a journal already gone is settled";
        EXPECT_FALSE(fs::exists(path));
    }
}

// Every call of a pass meets every kind of fault: the pass completes, or it stops with every
// name either as it was or explained by a rename the message lists as still, or maybe, in
// effect; then the next Run puts every name back.
TEST(Journal, EveryFaultAtEveryCallLeavesEveryNameAccountedFor) {
    const auto doc = document({part("R7", true, 0, 0), part("R1", false, 1, 0),
                               part("C3", true, 2, 0), part("R2", true, 3, 0), part("U1A")});
    const engine::PassRequest modes[] = {engine::allComponentsRequest("1"),
                                         engine::selectedComponentsRequest("1", false),
                                         engine::selectedComponentsRequest("1", true)};
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
    for (const auto& request : modes) {
        Session probe(doc);
        const auto callsBefore = probe.logic.callCount();
        probe.run(request);
        const auto passCalls = probe.logic.callCount() - callsBefore;
        for (const Kind& kind : kinds) {
            for (std::uint64_t k = 1; k <= passCalls; ++k) {
                SCOPED_TRACE(std::string(kind.name) + " at call " + std::to_string(k));
                Session session(doc);
                const Names before = session.names();
                for (int i = 0; i < kind.calls; ++i)
                    session.logic.planFault(k + i, kind.fault, kind.code);
                const auto result = session.run(request);
                const Names after = session.names();
                if (!result) { // the check for an earlier pass's journal failed: no pass ran
                    EXPECT_EQ(after, before);
                    continue;
                }
                if (!completed(result)) {
                    std::map<std::string, std::string> mayHaveBecome;
                    for (const Rename& rename : renamesInEffect(*result))
                        mayHaveBecome[rename.before] = rename.after;
                    for (std::size_t i = 0; i < after.size(); ++i) {
                        std::string name = before[i];
                        for (int step = 0; step < 4 && name != after[i]; ++step)
                            name = mayHaveBecome.count(name) ? mayHaveBecome[name] : name;
                        EXPECT_EQ(name, after[i]) << whatStopped(result);
                    }
                }
                // PowerLogic answers again: the next contact settles the pass and closes any
                // pass left open.
                session.logic.clearFaults();
                recoverUnfinishedPass(session.state, session.window.ports(), EcoDestination::None,
                                      RecoveryChoice::PutBack);
                previewPass(session.state, session.window.ports(), allComponentsRequest("1"));
                if (!completed(result)) {
                    EXPECT_EQ(session.names(), before);
                }
                EXPECT_FALSE(session.logic.passOpen());
            }
        }
    }
}

// Sequate ends at any call, as a crash would: nothing of the pass's own clean-up runs.
struct Crash {};

// Sequate crashed at call k of a pass over the document.
Names crashAt(Session& session, std::uint64_t k) {
    std::uint64_t calls = 0;
    session.logic.setCallObserver([&](const std::string&) {
        if (++calls == k)
            throw Crash{};
    });
    EXPECT_THROW(runPass(session.state, session.window.ports(), allComponentsRequest("1")), Crash);
    session.logic.setCallObserver({});
    return session.names();
}

std::uint64_t callsOf(const host::sim::DocumentData& doc) {
    Session probe(doc);

    const auto callsBefore = probe.logic.callCount();
    runPass(probe.state, probe.window.ports(), allComponentsRequest("1"));
    return probe.logic.callCount() - callsBefore;
}

const host::sim::DocumentData crashDesign =
    document({part("R7"), part("R1"), part("C3"), part("R2"), part("C9"), part("R3"), part("R9"),
              part("C1")});

TEST(Journal, RecoveryPutsBackOrKeepsWhatACrashLeft) {
    int recovered = 0;
    for (std::uint64_t k = 1, passCalls = callsOf(crashDesign); k <= passCalls; ++k) {
        for (RecoveryChoice choice : {RecoveryChoice::PutBack, RecoveryChoice::Keep}) {
            SCOPED_TRACE("crash at call " + std::to_string(k));
            Session session(crashDesign);
            const Names before = session.names();
            const Names crashed = crashAt(session, k);
            const bool settled = journalsLeft(session).empty();
            const RecoveryOutcome outcome = recoverUnfinishedPass(
                session.state, session.window.ports(), EcoDestination::None, choice);
            // A pass the crash left open is closed by the next one.
            previewPass(session.state, session.window.ports(), allComponentsRequest("1"));
            EXPECT_FALSE(session.logic.passOpen());
            if (crashed == before || settled) {
                EXPECT_FALSE(outcome.done);
                continue;
            }
            ++recovered;
            ASSERT_TRUE(outcome.done);
            EXPECT_TRUE(journalsLeft(session).empty());
            if (choice == RecoveryChoice::PutBack) {
                EXPECT_EQ(session.names(), before);
                continue;
            }
            EXPECT_EQ(session.names(), crashed);
            // What stays, made in order on the names before, gives the names now.
            Names replayed = before;
            for (const Rename& rename : outcome.staying)
                *std::find(replayed.begin(), replayed.end(), rename.before) = rename.after;
            EXPECT_EQ(replayed, crashed);
        }
    }
    EXPECT_GT(recovered, 4);
}

// Recovery's own renames are journaled, temporary names included: a put-back cut short at any
// call is carried on to its end by the next one, without asking again.
TEST(Journal, APutBackCutShortIsCarriedOn) {
    const std::uint64_t passCalls = callsOf(crashDesign);
    for (std::uint64_t k = passCalls / 2; k <= passCalls; k += passCalls / 4) {
        for (std::uint64_t j = 1;; ++j) {
            SCOPED_TRACE("crash at pass call " + std::to_string(k) + ", recovery call " +
                         std::to_string(j));
            Session session(crashDesign);
            const Names before = session.names();
            if (crashAt(session, k) == before || journalsLeft(session).empty())
                break;
            std::uint64_t calls = 0;
            session.logic.setCallObserver([&](const std::string&) {
                if (++calls == j)
                    throw Crash{};
            });
            bool crashed = false;
            try {
                recoverUnfinishedPass(session.state, session.window.ports(), EcoDestination::None,
                                      RecoveryChoice::PutBack);
            } catch (const Crash&) {
                crashed = true;
            }
            session.logic.setCallObserver({});
            const bool undecided =
                !journalsLeft(session).empty() &&
                readJournal(journalsLeft(session).front()).kind == JournalKind::Pass;
            recoverUnfinishedPass(session.state, session.window.ports(), EcoDestination::None);
            EXPECT_EQ(session.names(), before);
            EXPECT_EQ(session.window.recoveryQuestions.size(), undecided ? 1u : 0u);
            // A put-back that ended before it could remove its journal leaves it at rest.
            for (const fs::path& left : journalsLeft(session))
                EXPECT_EQ(readJournal(left).kind, JournalKind::PutBack);
            if (!crashed)
                break;
        }
    }
}

// A copy of the design from before the pass leaves the journal alone (recoveryplan_test), unless
// its pass gives names the journal would take for its own: then it is set aside, named in a
// message, and no later Run puts back the copy's pass. The schematic it belongs to gets it
// offered once it is back.
TEST(Journal, ADesignOfTheSameFileNameLeavesTheJournalAlone) {
    Session original(crashDesign);
    const Names before = original.names();
    const Names crashed = crashAt(original, callsOf(crashDesign) - 4);
    ASSERT_NE(crashed, before);
    ASSERT_EQ(journalsLeft(original).size(), 1u);
    const fs::path journal = journalsLeft(original).front();
    Session copy(crashDesign);
    copy.state.journalFolder = original.state.journalFolder;
    const fs::path aside = journal.string() + ".set-aside";
    ASSERT_TRUE(completed(copy.runAll()));
    const Names numbered = copy.names();
    ASSERT_FALSE(copy.window.messages.empty());
    EXPECT_NE(copy.window.messages.back().text.find(aside.string()), std::string::npos);
    EXPECT_TRUE(completed(copy.runAll()));
    EXPECT_TRUE(copy.window.recoveryQuestions.empty());
    EXPECT_EQ(copy.names(), numbered);
    fs::rename(aside, journal);
    Session again(document([&] {
        std::vector<host::sim::ComponentData> parts;
        for (const std::string& name : crashed)
            parts.push_back(part(name));
        return parts;
    }()));
    again.state.journalFolder = original.state.journalFolder;
    const RecoveryOutcome outcome =
        recoverUnfinishedPass(again.state, again.window.ports(), EcoDestination::None);
    EXPECT_EQ(again.window.recoveryQuestions.size(), 1u);
    EXPECT_EQ(outcome.done, RecoveryChoice::PutBack);
    EXPECT_EQ(again.names(), before);
    EXPECT_FALSE(fs::exists(journal));
}

// A journal marked finished (its pass settled, but the file could not be removed) found at the
// next Run is removed unasked; the names stay. Which journals are taken up: recoveryplan_test.
TEST(Journal, AJournalMarkedFinishedIsRemovedUnasked) {
    Session session(document({part("R1"), part("R2")}));
    fs::create_directories(session.state.journalFolder);
    fs::permissions(session.state.journalFolder, fs::perms::owner_all); // whatever the umask
    std::ofstream(session.state.journalFolder / "amp.sch.journal", std::ios::binary)
        << "sequate-journal 2\ndocument \"amp.sch\"\nkind pass\ncomponents 2\nname \"R7\"\n"
           "name \"R1\"\nrename 1 \"R7\" \"R1\"\nrename 2 \"R1\" \"R2\"\napplying\ndone 2\n"
           "finished\n";
    recoverUnfinishedPass(session.state, session.window.ports(), EcoDestination::None);
    EXPECT_EQ(session.names(), (Names{"R1", "R2"}));
    EXPECT_TRUE(session.window.recoveryQuestions.empty());
    EXPECT_TRUE(journalsLeft(session).empty());
}

// Kept renames whose ECO file went nowhere stay journaled and wait for it, unless the user
// knowingly goes without it.
TEST(Journal, AKeptPassIsSettledOnceItsEcoFileWentSomewhere) {
    using host::EcoOutcome;
    // Cancel asks the question a pass asks, with the same effect: the default puts the names
    // back. Only renames that went nowhere wait for their file, and the window is told.
    const auto keep = RecoveryChoice::Keep;
    const auto putBack = RecoveryChoice::PutBack;
    const struct {
        EcoOutcome delivery;
        bool keepWithoutEco;
        bool settled;
        RecoveryChoice done;
    } cases[] = {
        {EcoOutcome::Delivered, false, true, keep},
        {EcoOutcome::NotDelivered, false, false, keep},
        {EcoOutcome::Cancelled, false, true, putBack},
        {EcoOutcome::Cancelled, true, true, keep},
    };
    for (const auto& c : cases) {
        Session session(crashDesign);
        crashAt(session, callsOf(crashDesign) - 4);
        session.window.delivery = {c.delivery, "not written"};
        session.window.keepOnCancel = c.keepWithoutEco;
        const RecoveryOutcome outcome = recoverUnfinishedPass(
            session.state, session.window.ports(), EcoDestination::None, RecoveryChoice::Keep);
        EXPECT_EQ(session.window.fileDialogs, 1);
        EXPECT_EQ(journalsLeft(session).empty(), c.settled);
        EXPECT_EQ(outcome.done, c.done);
        EXPECT_EQ(session.state.keptRenamesWaiting > 0, !c.settled);
        EXPECT_EQ(session.window.cancelQuestions.size(), c.delivery == EcoOutcome::Cancelled);
        if (c.done == putBack) {
            EXPECT_EQ(session.names(), (Names{"R7", "R1", "C3", "R2", "C9", "R3", "R9", "C1"}));
        }
        if (!c.settled) {
            EXPECT_EQ(readJournal(journalsLeft(session).at(0)).kind, JournalKind::Keep);
            // A Run whose hand-over fails again does not run the pass it was pressed for, and
            // says why (one that succeeds: mainwindowlogic).
            EXPECT_FALSE(session.run(allComponentsRequest("1")));
            EXPECT_EQ(session.window.recoveryMessages.back().then, recovery::PassHeldBack{false});
        }
    }
}

// A window that notes, for every box it shows, whether PowerLogic's pass was open meanwhile.
class WatchingWindow : public HeadlessWindow {
public:
    explicit WatchingWindow(const host::sim::SimPowerLogic& logic) : mLogic(logic) {}
    std::vector<bool> heldUnderABox;

    void showMessage(MessageKind kind, const std::string& title, const std::string& text) override {
        heldUnderABox.push_back(mLogic.passOpen());
        HeadlessWindow::showMessage(kind, title, text);
    }
    bool keepRenamesWithoutEco(WithoutEcoFile renames) override {
        heldUnderABox.push_back(mLogic.passOpen());
        return HeadlessWindow::keepRenamesWithoutEco(renames);
    }
    bool putBackUnfinishedPass(const UnfinishedPass& pass) override {
        heldUnderABox.push_back(mLogic.passOpen());
        return HeadlessWindow::putBackUnfinishedPass(pass);
    }
    void tellOfRecovery(const RecoveryMessage& message) override {
        heldUnderABox.push_back(mLogic.passOpen());
        HeadlessWindow::tellOfRecovery(message);
    }
    void tellOfPassLock(const PassLockNews& news) override {
        heldUnderABox.push_back(mLogic.passOpen());
        HeadlessWindow::tellOfPassLock(news);
    }

private:
    const host::sim::SimPowerLogic& mLogic;
};

// PowerLogic is let go before any box waits for the user: after a pass, a stop, its questions,
// and a recovery's.
TEST(Journal, NoBoxWaitsWhilePowerLogicIsHeld) {
    using host::EcoOutcome;
    const struct {
        const char* what;
        std::function<void(Session&, WatchingWindow&)> arrange;
        std::size_t boxes;
    } cases[] = {
        {"stopped by the user",
         [](Session&, WatchingWindow& w) { w.progressBar().stopOnceSet = 12; }, 1},
        {"the file left over",
         [](Session&, WatchingWindow& w) {
             w.delivery = {EcoOutcome::FileLeftOver, "left"};
         },
         1},
        {"cancelled, then put back",
         [](Session&, WatchingWindow& w) {
             w.delivery = {EcoOutcome::Cancelled, ""};
         },
         2},
        {"a pass an earlier run left open",
         [](Session& s, WatchingWindow&) { s.logic.application()->BeginPass(); }, 1},
        {"a recovery that puts back",
         [](Session& s, WatchingWindow&) { crashAt(s, callsOf(crashDesign) - 4); }, 2},
        {"a recovery that keeps, then cancels and puts back",
         [](Session& s, WatchingWindow& w) {
             crashAt(s, callsOf(crashDesign) - 4);
             w.putBackOnRecovery = false;
             w.delivery = {EcoOutcome::Cancelled, ""};
         },
         3},
    };
    for (const auto& c : cases) {
        Session session(crashDesign);
        WatchingWindow window(session.logic);
        c.arrange(session, window);
        if (const auto outcome = pressRun(session.state, window.ports(),
                                          allComponentsRequest("1", EcoDestination::ChosenFile)))
            ui::tellPassOutcome(window, *outcome);
        EXPECT_EQ(window.heldUnderABox, std::vector<bool>(c.boxes, false)) << c.what;
    }
}

#ifndef _WIN32
// Journals list every part name and say what to put back: a folder others, or only the user's
// group, can write to, a link
// to another user's folder, and a journal another user planted are named in a message and never
// acted on. The journal planted would put back names no pass gave.
TEST(Journal, WhatIsNotTheUsersAloneIsRefusedAndNeverActedOn) {
    // Root gives what it plants away to "nobody"; anyone else makes it writable by others.
    const auto giveAway = [](const fs::path& path) {
        if (::geteuid() == 0)
            EXPECT_EQ(::chown(path.c_str(), 65534, 65534), 0);
        else
            fs::permissions(path, fs::perms::all);
    };
    for (const std::string kind :
         {"open folder", "group's folder", "link to another's folder", "planted journal"}) {
        SCOPED_TRACE(kind);
        Session session(document({part("R1"), part("R2")}));
        const fs::path folder = session.state.journalFolder;
        const fs::path other =
            kind == "link to another's folder" ? fs::path(folder.string() + "-x") : folder;
        const fs::path planted = other / "amp.sch-0123456789abcdef.journal";
        fs::create_directories(other);
        fs::permissions(other, fs::perms::owner_all); // whatever the umask
        std::ofstream(planted) << "sequate-journal 2\ndocument \"amp.sch\"\nkind pass\n"
                                  "components 2\nname \"HACK1\"\nname \"HACK2\"\n"
                                  "rename 1 \"HACK1\" \"R1\"\nrename 2 \"HACK2\" \"R2\"\n"
                                  "applying\ndone 2\n";
        if (kind == "open folder")
            fs::permissions(folder, fs::perms::owner_all | fs::perms::others_all);
        else if (kind == "group's folder")
            fs::permissions(folder, fs::perms::owner_all | fs::perms::group_all);
        else
            giveAway(kind == "planted journal" ? planted : other);
        if (kind == "link to another's folder")
            fs::create_directory_symlink(other, folder);
        session.run(allComponentsRequest("5"));
        // A folder that is not private takes no journal, so the pass renames nothing; a journal
        // planted in a private one is set aside unread, and the pass asked for runs.
        EXPECT_EQ(session.names(),
                  (kind == "planted journal" ? Names{"R5", "R6"} : Names{"R1", "R2"}));
        std::string said;
        if (kind == "planted journal") {
            ASSERT_EQ(session.window.recoveryMessages.size(), 1u);
            const auto& journal =
                std::get<recovery::UnreadableJournal>(session.window.recoveryMessages[0].news);
            EXPECT_EQ(journal.aside, planted.string() + ".set-aside");
            said = journal.problem;
        } else {
            ASSERT_FALSE(session.window.messages.empty());
            said = session.window.messages.back().text;
        }
        const fs::path named = kind == "planted journal" ? planted : folder;
        EXPECT_NE(said.find("\"" + named.string() + "\""), std::string::npos) << said;
    }
}
#endif

// Whatever stands at the name of a journal's new file, left by a killed writer or planted, never
// keeps a put-back from being journaled, and a link there is not followed.
TEST(Journal, WhatStandsAtTheNewFileNeitherBlocksNorIsFollowed) {
    for (const std::string stray : {"file", "folder", "link"}) {
        SCOPED_TRACE(stray);
        Session session(crashDesign);
        const Names before = session.names();
        ASSERT_NE(crashAt(session, callsOf(crashDesign) - 4), before);
        const fs::path path = journalsLeft(session).at(0).string() + ".new";
        const fs::path victim = session.state.journalFolder.parent_path() / "victim";
        std::ofstream(victim) << "keep";
        std::error_code noLinks;
        if (stray == "folder")
            fs::create_directories(path / "inside");
        else if (stray == "link")
            fs::create_symlink(victim, path, noLinks);
        else
            std::ofstream(path) << "torn";
        if (noLinks)
            continue; // no symbolic links here
        const RecoveryOutcome outcome = recoverUnfinishedPass(
            session.state, session.window.ports(), EcoDestination::None, RecoveryChoice::PutBack);
        EXPECT_EQ(session.names(), before);
        EXPECT_FALSE(fs::exists(fs::symlink_status(path)));
        std::ifstream read(victim);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(read), {}), "keep");
    }
}

TEST(Journal, APassIsAlwaysClosed) {
    const auto doc = document({part("R7"), part("R1")});
    {
        SCOPED_TRACE("left open by an earlier run");
        Session session(doc);
        session.logic.application()->BeginPass();
        EXPECT_TRUE(completed(session.runAll()));
        EXPECT_FALSE(session.logic.passOpen());
        ASSERT_FALSE(session.window.passLockNews.empty());
        EXPECT_TRUE(session.window.passLockNews[0].closedEarlierPass);
    }
    {
        SCOPED_TRACE("BeginPass answered too late");
        Session session(doc);
        session.logic.planFault(
            nthCall(doc, engine::allComponentsRequest("1"), "LogicApplication.BeginPass", 1),
            CallFault::FailsAfterEffect, HostCode::Timeout);
        EXPECT_FALSE(completed(session.runAll()));
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
        EXPECT_TRUE(completed(session.runAll()));
        EXPECT_FALSE(session.logic.passOpen());
    }
}

} // namespace
} // namespace sequate::engine::testing

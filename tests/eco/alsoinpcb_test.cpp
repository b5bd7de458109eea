#include "eco/ecostep.h"
#include "eco/ecotext.h"
#include "eco/layouthandoff.h"
#include "filesizelimit.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "scratchfolder.h"
#include "tests/support/ecogolden.h"
#include "undeletable.h"

#include <cstdlib>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <regex>
#include <sys/wait.h>
#include <unistd.h>

namespace sequate::eco {
namespace {

namespace fs = std::filesystem;
using host::HostCode;
using host::sim::DocumentData;
using host::sim::LayoutData;
using host::sim::SimPowerLogic;
using host::sim::SimPowerPcb;
using host::sim::SimRunningObjects;
using Outcome = host::EcoOutcome;
using test::ScratchFolder;
using ::testing::IsEmpty;
using ::testing::MatchesRegex;

// R1 and R2 swap through T1: the file has two sections.
const std::vector<std::string> oldNames = {"R1", "R2", "T1"};
const std::vector<std::string> newNames = {"T1", "R1", "R2"};
const std::vector<std::string> layoutBefore = {"R1", "C5", "R2"};
const std::vector<std::string> layoutAfter = {"R2", "C5", "R1"};

DocumentData schematic(const std::string& name) {
    return DocumentData{name, {{"R2", false, {}}, {"C5", false, {}}, {"R1", false, {}}}};
}

// What the temporary folder holds while PowerPCB reads the file.
struct Snapshot {
    std::vector<std::string> entries; // relative to the temporary folder, folders with "/"
    fs::perms folderPerms = fs::perms::none;
    std::string bytes;
};

class AlsoInPcbTest : public ::testing::Test {
public:
    AlsoInPcbTest() : logic({schematic("amp.sch")}), pcb(LayoutData{"amp.pcb", layoutBefore}) {
        pcb.setCallObserver([this](const std::string& call) {
            if (call == "PcbDocument.ReadEcoFile")
                duringRead = snapshot();
        });
    }
    host::EcoDelivery run() {
        SimRunningObjects objects(&logic, pcbRunning ? &pcb : nullptr);
        return sendEcoToLayout(*logic.application(), objects, oldNames, newNames);
    }

    Snapshot snapshot() const {
        Snapshot s;
        for (const auto& entry : fs::recursive_directory_iterator(tmp.path())) {
            const std::string relative = fs::relative(entry.path(), tmp.path()).string();
            if (entry.is_directory()) {
                s.entries.push_back(relative + "/");
                s.folderPerms = entry.status().permissions();
            } else {
                s.entries.push_back(relative);
                s.bytes = test::fileBytes(entry.path());
            }
        }
        return s;
    }

    test::TemporaryFolder tmp;
    SimPowerLogic logic;
    SimPowerPcb pcb;
    std::optional<Snapshot> duringRead;
    bool pcbRunning = true;
};

TEST_F(AlsoInPcbTest, PowerPcbReadsTheFileFromAPrivateFolderThatIsThenRemoved) {
    EXPECT_EQ(run().outcome, Outcome::Delivered);
    EXPECT_EQ(pcb.layout()->parts, layoutAfter);
    EXPECT_THAT(pcb.log(), IsEmpty());

    ASSERT_TRUE(duringRead);
    ASSERT_EQ(duringRead->entries.size(), 2u);
    EXPECT_THAT(duringRead->entries[0],
                MatchesRegex("sequate-eco-" + std::to_string(::getpid()) + "-....../"));
    EXPECT_EQ(duringRead->entries[1], duringRead->entries[0] + "amp.eco");
    EXPECT_EQ(duringRead->folderPerms, fs::perms::owner_all);
    EXPECT_EQ(duringRead->bytes, test::golden("twosections.eco"));
    EXPECT_THAT(tmp.entries(), IsEmpty());
}

// Every way the layout can miss the file: nothing reaches it, nothing is left, and the problem
// says why.
TEST_F(AlsoInPcbTest, FailuresBeforeTheReadLeaveTheLayoutAndNoFile) {
    using Check = std::function<bool(const host::EcoProblem&)>;
    const struct {
        const char* what;
        std::function<std::shared_ptr<void>(AlsoInPcbTest&)> arrange;
        Check problem;
    } cases[] = {
        {"PowerPCB not running", [](AlsoInPcbTest& t) { return t.pcbRunning = false, nullptr; },
         [](const host::EcoProblem& p) {
             const auto* absent = std::get_if<host::LayoutAbsence>(&p.what);
             return absent && *absent == host::LayoutAbsence::PowerPcbNotRunning;
         }},
        {"no layout open", [](AlsoInPcbTest& t) { return t.pcb.setLayout(std::nullopt), nullptr; },
         [](const host::EcoProblem& p) {
             const auto* absent = std::get_if<host::LayoutAbsence>(&p.what);
             return absent && *absent == host::LayoutAbsence::NoLayoutOpen;
         }},
        {"schematic name unreadable",
         [](AlsoInPcbTest& t) { return t.logic.failCall(2, HostCode::ServerUnavailable), nullptr; },
         [](const host::EcoProblem& p) {
             const auto* failed = std::get_if<host::EcoStageFailed>(&p.what);
             return failed && failed->stage == host::EcoStage::SchematicName &&
                    failed->code == HostCode::ServerUnavailable;
         }},
        {"no temporary folder",
         [](AlsoInPcbTest& t) { return ::setenv("TMPDIR", (t.tmp / "gone").c_str(), 1), nullptr; },
         [](const host::EcoProblem& p) {
             const auto* unmade = std::get_if<host::EcoFolderUnmade>(&p.what);
             return unmade && unmade->parent.empty() && !unmade->reason.empty();
         }},
        {"the file cannot be written",
         [](AlsoInPcbTest&) { return std::make_shared<test::FileSizeLimit>(40); },
         [](const host::EcoProblem& p) {
             const auto* unwritten = std::get_if<host::EcoFileUnwritten>(&p.what);
             return unwritten && unwritten->detail == "File too large" &&
                    std::regex_match(unwritten->path,
                                     std::regex(".*/sequate-eco-[0-9]+-....../amp\\.eco"));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto delivery = [&] {
            const auto held = c.arrange(*this);
            return run();
        }();
        EXPECT_EQ(delivery.outcome, Outcome::NotDelivered);
        EXPECT_TRUE(delivery.problem && c.problem(*delivery.problem));
        EXPECT_FALSE(duringRead);
        EXPECT_EQ(pcb.layout() ? pcb.layout()->parts : layoutBefore, layoutBefore);
        EXPECT_THAT(tmp.entries(), IsEmpty());
        tmp.point();
        pcbRunning = true;
        pcb.setLayout(LayoutData{"amp.pcb", layoutBefore});
    }
}

// The runners report the file as written: the layout read it.
TEST_F(AlsoInPcbTest, AFileThatCannotBeDeletedIsReportedAndCountsAsWritten) {
    std::unique_ptr<test::Undeletable> pinned;
    pcb.setCallObserver([&](const std::string& call) {
        if (call == "PcbDocument.ReadEcoFile") {
            const Snapshot s = snapshot();
            pinned = std::make_unique<test::Undeletable>(tmp.path() / s.entries.at(1));
        }
    });
    SimRunningObjects objects(&logic, &pcb);
    EcoStep step(objects, "the test", [](const host::EcoProblem&) { return std::string("told"); });
    engine::EcoRows rows;
    for (std::size_t i = 0; i < oldNames.size(); ++i)
        rows.renames.push_back({engine::ComponentIndex(i), oldNames[i], newNames[i]});
    const auto delivery = step.handToPowerPcb(*logic.application(), rows);
    if (!pinned->ok())
        GTEST_SKIP() << "no way to make a file undeletable here";
    EXPECT_EQ(delivery.outcome, Outcome::FileLeftOver);
    const auto* left = std::get_if<host::EcoFileNotDeleted>(&delivery.problem.value().what);
    ASSERT_TRUE(left);
    EXPECT_THAT(left->path, MatchesRegex(".*/sequate-eco-[0-9]+-....../amp\\.eco"));
    EXPECT_EQ(delivery.message, "told") << "worded by the words it was given";
    EXPECT_EQ(pcb.layout()->parts, layoutAfter);
    EXPECT_EQ(step.lastWritten(), ecoText(oldNames, newNames));
}

// PowerPCB is another process with its own working folder: a relative path means nothing there.
TEST_F(AlsoInPcbTest, HandsPowerPcbAFullPathEvenWhenTheTemporaryFolderIsGivenRelative) {
    struct RecordingDocument : host::PcbDocument {
        void ReadEcoFile(const std::string& path) override { readPath = path; }
        std::string readPath;
    };
    struct RecordingPcb : host::PcbApplication {
        std::shared_ptr<host::PcbDocument> CurrentDocument() override { return document; }
        std::shared_ptr<RecordingDocument> document = std::make_shared<RecordingDocument>();
    };
    struct Objects : host::RunningObjects {
        explicit Objects(SimPowerLogic& logic) : mLogic(logic) {}
        std::shared_ptr<host::LogicApplication> attachPowerLogic() override {
            return mLogic.application();
        }
        std::shared_ptr<host::PcbApplication> attachPowerPcb() override { return pcb; }
        SimPowerLogic& mLogic;
        std::shared_ptr<RecordingPcb> pcb = std::make_shared<RecordingPcb>();
    };

    const fs::path workingFolder = fs::current_path();
    fs::current_path(tmp.path());
    ::setenv("TMPDIR", ".", 1);
    Objects objects(logic);
    const auto handedOver = sendEcoToLayout(*logic.application(), objects, oldNames, newNames);
    fs::current_path(workingFolder);

    EXPECT_EQ(handedOver.outcome, Outcome::Delivered);
    EXPECT_TRUE(fs::path(objects.pcb->document->readPath).is_absolute())
        << objects.pcb->document->readPath;
}

// A hand-off folder whose Sequate was killed goes, with the file a killed write left in it; a
// folder still in use, one left for the user, a link, another user's or another program's
// folder stays.
TEST_F(AlsoInPcbTest, FoldersOfKilledHandOffsAreRemovedWhenTheNextIsMade) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const auto folder = [&](pid_t maker, const std::string& end) {
        return tmp.path() / ("sequate-eco-" + std::to_string(maker) + "-" + end);
    };
    const fs::path stale = folder(child, "aB3dE9");
    const fs::path other = folder(child, "other0");
    for (const fs::path& made : {stale, folder(child, "kept00"), folder(::getppid(), "aB3dE9"),
                                 tmp.path() / "sequate-eco-aB3dE9", other})
        fs::create_directory(made);
    test::writeBytes(stale / (".amp.eco.sequate-" + std::to_string(child) + "-1.tmp"), "cut");
    test::writeBytes(folder(child, "kept00") / ".kept", "");
    fs::create_directory_symlink(tmp.path() / "sequate-eco-aB3dE9", folder(child, "link00"));
    if (::geteuid() != 0 || ::chown(other.c_str(), 65534, static_cast<gid_t>(-1)) != 0)
        fs::remove(other);
    std::vector<std::string> staying = tmp.entries();
    std::erase(staying, stale.filename().string());

    EXPECT_EQ(run().outcome, Outcome::Delivered);
    EXPECT_THAT(tmp.entries(), ::testing::UnorderedElementsAreArray(staying));
}

} // namespace
} // namespace sequate::eco

#include "eco/atomicfile.h"
#include "eco/ecoerror.h"
#include "eco/ecotext.h"
#include "scratchfolder.h"
#include "syscallhooks.h"
#include "tests/support/ecogolden.h"

#include <csignal>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sequate::eco {
namespace {

namespace fs = std::filesystem;
using test::fileBytes;
using test::ScratchFolder;
using test::writeBytes;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;
using ::testing::UnorderedElementsAreArray;

const std::vector<std::string> oldNames = {"R1", "R2", "T1"};
const std::vector<std::string> newNames = {"T1", "R1", "R2"};

mode_t modeOf(const std::string& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status.st_mode & 07777;
}

// The file-creation mask of the user's shell, for one test.
class CreationMask {
public:
    explicit CreationMask(mode_t mask) : mSaved(::umask(mask)) {}
    ~CreationMask() { ::umask(mSaved); }
    CreationMask(const CreationMask&) = delete;
    CreationMask& operator=(const CreationMask&) = delete;

private:
    mode_t mSaved;
};

TEST(EcoFileSafety, TheFileIsTheUsersAloneUntilItIsCompleteAndOnDisk) {
    const struct {
        mode_t mask;
        std::optional<mode_t> replaced; // the mode of the file replaced; none for a new file
        mode_t finished;
    } cases[] = {{022, std::nullopt, 0644},
                 {002, std::nullopt, 0664},
                 {077, std::nullopt, 0600},
                 {022, 0640, 0640},
                 {077, 0664, 0664}};
    for (const auto& c : cases) {
        CreationMask mask(c.mask);
        ScratchFolder folder;
        if (c.replaced) {
            writeBytes(folder / "amp.eco", "old contents");
            ::chmod((folder / "amp.eco").c_str(), *c.replaced);
        }
        struct stat atSync {};
        {
            // The file's own sync, not its folder's after the rename.
            test::FsyncHook hook([&](int fd) {
                if (!atSync.st_mode)
                    ::fstat(fd, &atSync);
            });
            writeFileAtomically(folder / "amp.eco", ecoText(oldNames, newNames));
        }
        EXPECT_EQ(atSync.st_mode & 07777, 0600u);
        EXPECT_EQ(static_cast<std::size_t>(atSync.st_size), test::golden("twosections.eco").size());
        EXPECT_EQ(modeOf(folder / "amp.eco"), c.finished) << std::oct << c.finished;
    }
}

// The link not followed; empty when the file was written.
std::string refusalOf(const std::string& path) {
    try {
        writeFileAtomically(path, ecoText(oldNames, newNames));
    } catch (const EcoError& e) {
        const auto& refused = std::get<host::EcoFileUnwritten>(e.problem().what);
        EXPECT_EQ(refused.fault, host::EcoFileUnwritten::Fault::UntrustedLink);
        return refused.detail;
    }
    return {};
}

constexpr uid_t otherUser = 65534; // nobody

// In a folder everyone can write to, with the sticky bit, only the user's or the folder owner's
// link is followed.
TEST(EcoFileSafety, InASharedFolderOnlyTheUsersOrTheFolderOwnersLinkIsFollowed) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can make files that belong to another user";
    const struct {
        bool linkOfOtherUser;
        bool folderOfOtherUser;
        mode_t folderMode;
        bool followed;
    } cases[] = {{false, false, 01777, true},
                 {true, false, 01777, false},
                 {true, true, 01777, true},
                 {true, false, 0777, true},
                 {true, false, 01755, true}};
    for (const auto& c : cases) {
        // A file to replace at designs/amp.eco, and a link to it planted in shared/.
        const ScratchFolder folder;
        const std::string designed = folder / "designs/amp.eco";
        const std::string shared = folder / "shared";
        const std::string link = folder / "shared/amp.eco";
        fs::create_directory(folder / "designs");
        fs::create_directory(shared);
        writeBytes(designed, "old contents");
        fs::create_symlink(designed, link);
        ::lchown(link.c_str(), c.linkOfOtherUser ? otherUser : ::geteuid(), gid_t(-1));
        ::chown(shared.c_str(), c.folderOfOtherUser ? otherUser : ::geteuid(), gid_t(-1));
        ::chmod(shared.c_str(), c.folderMode);
        EXPECT_EQ(refusalOf(link), c.followed ? "" : link);
        EXPECT_EQ(fileBytes(designed),
                  c.followed ? test::golden("twosections.eco") : "old contents");
        EXPECT_TRUE(fs::is_symlink(link));
    }
}

// A writer in a process of its own, stopped or killed by a signal at its fsync: its new file
// is complete there but not yet renamed. Killed and reaped at the latest when the object goes.
class HeldWriter {
public:
    HeldWriter(const std::string& path, int signal) : mPid(::fork()) {
        if (mPid == 0) {
            test::FsyncHook hook([signal](int) { ::raise(signal); });
            try {
                writeFileAtomically(path, ecoText(oldNames, newNames));
            } catch (...) {
            }
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(mPid, &status, WUNTRACED);
        mReaped = !WIFSTOPPED(status);
    }
    ~HeldWriter() { kill(); }
    HeldWriter(const HeldWriter&) = delete;
    HeldWriter& operator=(const HeldWriter&) = delete;

    pid_t pid() const { return mPid; }
    void kill() {
        if (mReaped)
            return;
        ::kill(mPid, SIGKILL);
        ::waitpid(mPid, nullptr, 0);
        mReaped = true;
    }

private:
    pid_t mPid;
    bool mReaped = false;
};

TEST(EcoFileSafety, AKilledWritersFileIsRemovedAtTheNextWriteInItsFolder) {
    ScratchFolder folder;
    const HeldWriter killed(folder / "amp.eco", SIGKILL);
    ASSERT_EQ(folder.entries().size(), 1u) << "the killed writer left its new file behind";
    // Names like it that this writer would never give.
    const std::string dead = std::to_string(killed.pid());
    const std::vector<std::string> lookalikes = {
        "amp.eco.sequate-" + dead + "-1.tmp", ".amp.eco.sequate-" + dead + ".tmp",
        ".amp.eco.sequate-" + dead + "-1.tmp.bak", ".amp.eco.sequate-" + dead + "-x.tmp"};
    for (const std::string& name : lookalikes)
        writeBytes(folder / name, "not ours");
    // The names of its leftovers, carried by what it never makes.
    const std::string fifo = ".amp.eco.sequate-" + dead + "-2.tmp";
    const std::string link = ".amp.eco.sequate-" + dead + "-3.tmp";
    ASSERT_EQ(::mkfifo((folder / fifo).c_str(), 0600), 0);
    fs::create_symlink(folder / "board.eco", folder / link);

    writeFileAtomically(folder / "board.eco", ecoText(oldNames, newNames));

    std::vector<std::string> expected = lookalikes;
    expected.insert(expected.end(), {fifo, link, "board.eco"});
    EXPECT_THAT(folder.entries(), UnorderedElementsAreArray(expected));
}

TEST(EcoFileSafety, ARunningWritersFileIsKeptUntilItsWriterIsGone) {
    ScratchFolder folder;
    HeldWriter stopped(folder / "amp.eco", SIGSTOP);
    const std::vector<std::string> inProgress = folder.entries();
    ASSERT_EQ(inProgress.size(), 1u);

    writeFileAtomically(folder / "board.eco", ecoText(oldNames, newNames));
    EXPECT_THAT(folder.entries(), UnorderedElementsAre(inProgress[0], "board.eco"));

    stopped.kill();
    writeFileAtomically(folder / "board.eco", ecoText(oldNames, newNames));
    EXPECT_THAT(folder.entries(), ElementsAre("board.eco"));
}

TEST(EcoFileSafety, AnotherUsersLeftoverIsNotTouched) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can make files that belong to another user";
    ScratchFolder folder;
    { const HeldWriter killed(folder / "amp.eco", SIGKILL); }
    const std::vector<std::string> leftover = folder.entries();
    ASSERT_EQ(leftover.size(), 1u);
    ::chown((folder / leftover[0]).c_str(), otherUser, static_cast<gid_t>(-1));

    writeFileAtomically(folder / "board.eco", ecoText(oldNames, newNames));
    EXPECT_THAT(folder.entries(), UnorderedElementsAre(leftover[0], "board.eco"));
}

} // namespace
} // namespace sequate::eco

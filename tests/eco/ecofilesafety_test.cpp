#include "eco/ecooutput.h"
#include "failingfchmod.h"
#include "fsynchook.h"
#include "golden.h"
#include "scratchfolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace sequate::eco {
namespace {

using test::fileBytes;
using test::ScratchFolder;
using test::writeBytes;

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

struct ModeCase {
    const char* name;
    mode_t mask;
    std::optional<mode_t> replaced; // the mode of the file replaced; none for a new file
    mode_t finished;
};

void PrintTo(const ModeCase& c, std::ostream* out) {
    *out << c.name;
}

class EcoFileModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(EcoFileModes, TheFileIsTheUsersAloneUntilItIsCompleteAndOnDisk) {
    const ModeCase& c = GetParam();
    CreationMask mask(c.mask);
    ScratchFolder folder;
    if (c.replaced) {
        writeBytes(folder / "amp.eco", "old contents");
        ::chmod((folder / "amp.eco").c_str(), *c.replaced);
    }
    struct stat atSync {};
    {
        test::FsyncHook hook([&](int fd) { ::fstat(fd, &atSync); });
        WriteEco(folder / "amp.eco", oldNames, newNames);
    }
    EXPECT_EQ(atSync.st_mode & 07777, 0600u);
    EXPECT_EQ(static_cast<std::size_t>(atSync.st_size), test::golden("twosections.eco").size());
    EXPECT_EQ(modeOf(folder / "amp.eco"), c.finished);
}

INSTANTIATE_TEST_SUITE_P(Cases, EcoFileModes,
                         ::testing::Values(ModeCase{"NewFile", 022, std::nullopt, 0644},
                                           ModeCase{"NewFileForTheGroup", 002, std::nullopt, 0664},
                                           ModeCase{"NewFilePrivate", 077, std::nullopt, 0600},
                                           ModeCase{"ReplacedFile", 022, 0640, 0640},
                                           ModeCase{"ReplacedFileReadableByAll", 077, 0664, 0664}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EcoFileSafety, ANewFileWhoseModeCannotBeWidenedIsWrittenForTheUserAlone) {
    CreationMask mask(022);
    ScratchFolder folder;
    {
        test::FailingFchmod failing;
        WriteEco(folder / "amp.eco", oldNames, newNames);
    }
    EXPECT_EQ(fileBytes(folder / "amp.eco"), test::golden("twosections.eco"));
    EXPECT_EQ(modeOf(folder / "amp.eco"), 0600u);
}

} // namespace
} // namespace sequate::eco

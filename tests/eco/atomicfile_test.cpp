// The ECO file is written whole or not at all, at the path as the user gave it.

#include "eco/atomicfile.h"
#include "eco/ecoerror.h"
#include "eco/ecotext.h"
#include "filesizelimit.h"
#include "scratchfolder.h"
#include "syscallhooks.h"
#include "tests/support/ecogolden.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace sequate::eco {
namespace {

namespace fs = std::filesystem;
using test::fileBytes;
using test::ScratchFolder;
using test::writeBytes;
using ::testing::ElementsAre;

const std::vector<std::string> oldNames = {"R1", "R2", "T1"};
const std::vector<std::string> newNames = {"T1", "R1", "R2"};

TEST(AtomicFile, WritesAtThePathAsGivenReplacingTheFileButNotItsModeOrLink) {
    ScratchFolder folder;
    writeFileAtomically(folder / "design", ecoText(oldNames, newNames));
    EXPECT_EQ(fileBytes(folder / "design"), test::golden("twosections.eco"));
    EXPECT_THAT(folder.entries(), ElementsAre("design")) << "no extension added, nothing left";
    // The new file's name beside it stays within the 255 bytes a file name may have.
    const std::string longest(255, 'd');
    writeFileAtomically(folder / longest, ecoText({}, {}));
    EXPECT_THAT(folder.entries(), ::testing::UnorderedElementsAre("design", longest));

    fs::create_directory(folder / "designs");
    writeBytes(folder / "designs/amp.eco", std::string(5000, 'x'));
    const auto ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(folder / "designs/amp.eco", ownerOnly);
    fs::create_symlink("designs/amp.eco", folder / "latest.eco");
    writeFileAtomically(folder / "latest.eco", ecoText({}, {}));
    EXPECT_TRUE(fs::is_symlink(folder / "latest.eco"));
    EXPECT_EQ(fileBytes(folder / "designs/amp.eco"), test::golden("norows.eco"));
    EXPECT_EQ(fs::status(folder / "designs/amp.eco").permissions(), ownerOnly);
    EXPECT_THAT(ScratchFolder::entriesOf(folder / "designs"), ElementsAre("amp.eco"));
    {
        // A file system that keeps no modes: a new file is written all the same.
        test::FailingFchmod noModes;
        writeFileAtomically(folder / "new.eco", ecoText({}, {}));
    }
    EXPECT_EQ(fileBytes(folder / "new.eco"), test::golden("norows.eco"));
}

// Each failure names the path and the reason, and leaves what was there and no new file.
TEST(AtomicFile, AFailureLeavesWhatWasThere) {
    using Fault = host::EcoFileUnwritten::Fault;
    using Arrange = std::function<std::shared_ptr<void>(const ScratchFolder&)>;
    const auto nothing = [](const ScratchFolder&) { return std::shared_ptr<void>(); };
    const struct {
        const char* what;
        const char* file; // relative to the folder; "" for no name at all
        Arrange arrange;
        Fault fault;
        const char* detail;
        bool bindsTheSuperuser = true;
    } cases[] = {
        {"a missing folder", "missing/amp.eco", nothing, Fault::System,
         "No such file or directory"},
        {"a folder as target", "amp.eco",
         [](const ScratchFolder& f) {
             fs::remove(f / "amp.eco");
             fs::create_directory(f / "amp.eco");
             return std::shared_ptr<void>();
         },
         Fault::NotAFile, "a folder"},
        {"no file name", "", nothing, Fault::NoFileName, ""},
        {"an unwritable folder", "amp.eco",
         [](const ScratchFolder& f) {
             fs::permissions(f.path(), fs::perms::owner_read | fs::perms::owner_exec);
             return std::shared_ptr<void>();
         },
         Fault::System, "Permission denied", false},
        // Renaming over a file needs no permission on the file: the writer must still refuse,
        // whoever runs it.
        {"a read-only file", "amp.eco",
         [](const ScratchFolder& f) {
             fs::permissions(f / "amp.eco", fs::perms::owner_read);
             return std::shared_ptr<void>();
         },
         Fault::System, "Permission denied"},
        // The disk filling up in the middle of the file, played by a limit that binds everyone.
        {"a failed write", "amp.eco",
         [](const ScratchFolder&) { return std::make_shared<test::FileSizeLimit>(40); },
         Fault::System, "File too large"},
        // The new file takes the replaced file's mode before the rename.
        {"a mode that cannot be kept", "amp.eco",
         [](const ScratchFolder&) { return std::make_shared<test::FailingFchmod>(); },
         Fault::System, "Operation not permitted"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.bindsTheSuperuser && ::geteuid() == 0)
            continue; // run by the unprivileged pass of this test
        ScratchFolder folder;
        writeBytes(folder / "amp.eco", "old contents");
        const std::string path = *c.file ? folder / c.file : "";
        std::optional<host::EcoFileUnwritten> refused;
        {
            const auto held = c.arrange(folder);
            try {
                writeFileAtomically(path, ecoText(oldNames, newNames));
            } catch (const EcoError& e) {
                refused = std::get<host::EcoFileUnwritten>(e.problem().what);
            }
        }
        fs::permissions(folder.path(), fs::perms::owner_all);
        ASSERT_TRUE(refused) << "written";
        EXPECT_EQ(std::tie(refused->fault, refused->path, refused->detail),
                  std::tie(c.fault, path, c.detail));
        EXPECT_THAT(folder.entries(), ElementsAre("amp.eco"));
        if (fs::is_regular_file(folder / "amp.eco")) {
            EXPECT_EQ(fileBytes(folder / "amp.eco"), "old contents");
        }
    }
}

} // namespace
} // namespace sequate::eco

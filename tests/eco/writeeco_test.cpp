#include "eco/atomicfile.h"
#include "eco/ecoerror.h"
#include "eco/ecotext.h"
#include "failingfchmod.h"
#include "filesizelimit.h"
#include "golden.h"
#include "scratchfolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace sequate::eco {
namespace {

using test::fileBytes;
using test::ScratchFolder;
using test::writeBytes;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::vector<std::string> oldNames = {"R1", "R2", "T1"};
const std::vector<std::string> newNames = {"T1", "R1", "R2"};

std::string writeFailure(const std::string& path) {
    try {
        writeFileAtomically(path, ecoText(oldNames, newNames));
    } catch (const EcoError& e) {
        return e.what();
    }
    return "written";
}

TEST(WriteEco, WritesTheTextAtThePathAsGiven) {
    ScratchFolder folder;
    writeFileAtomically(folder / "design", ecoText(oldNames, newNames));
    EXPECT_EQ(fileBytes(folder / "design"), test::golden("twosections.eco"));
    EXPECT_THAT(folder.entries(), ElementsAre("design")) << "no extension added, nothing left";
}

TEST(WriteEco, ReplacesAnExistingFile) {
    ScratchFolder folder;
    writeBytes(folder / "amp.eco", std::string(5000, 'x'));
    writeFileAtomically(folder / "amp.eco", ecoText({}, {}));
    EXPECT_EQ(fileBytes(folder / "amp.eco"), test::golden("norows.eco"));
}

TEST(WriteEco, AReplacedFileKeepsItsPermissions) {
    ScratchFolder folder;
    writeBytes(folder / "amp.eco", "old contents");
    const auto ownerOnly = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    std::filesystem::permissions(folder / "amp.eco", ownerOnly);
    writeFileAtomically(folder / "amp.eco", ecoText(oldNames, newNames));
    EXPECT_EQ(std::filesystem::status(folder / "amp.eco").permissions(), ownerOnly);
}

TEST(WriteEco, ALinkAtThePathStaysALinkToTheNewContents) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "designs");
    writeBytes(folder / "designs/amp.eco", "old contents");
    std::filesystem::create_symlink("designs/amp.eco", folder / "latest.eco");
    writeFileAtomically(folder / "latest.eco", ecoText(oldNames, newNames));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "latest.eco"));
    EXPECT_EQ(fileBytes(folder / "designs/amp.eco"), test::golden("twosections.eco"));
    EXPECT_THAT(test::ScratchFolder::entriesOf(folder / "designs"), ElementsAre("amp.eco"));
}

TEST(WriteEco, AMissingFolderIsNamedInTheMessage) {
    ScratchFolder folder;
    const std::string path = folder / "missing/amp.eco";
    EXPECT_EQ(writeFailure(path),
              "Cannot write the ECO file \"" + path + "\": No such file or directory.");
    EXPECT_TRUE(folder.entries().empty());
}

TEST(WriteEco, AFolderAsTargetIsRefusedAndLeftAsItWas) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "amp.eco");
    EXPECT_THAT(writeFailure(folder / "amp.eco"), HasSubstr("Is a directory"));
    EXPECT_THAT(folder.entries(), ElementsAre("amp.eco"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "amp.eco"));
}

TEST(WriteEco, AnEmptyPathNamesNoFile) {
    EXPECT_EQ(writeFailure(""), "Cannot write the ECO file: no file name was given.");
}

TEST(WriteEco, AnUnwritableFolderLeavesTheExistingFileAndNoTempFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser; see the file-size test";
    ScratchFolder folder;
    writeBytes(folder / "amp.eco", "old contents");
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    EXPECT_THAT(writeFailure(folder / "amp.eco"), HasSubstr("Permission denied"));
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    EXPECT_THAT(folder.entries(), ElementsAre("amp.eco"));
    EXPECT_EQ(fileBytes(folder / "amp.eco"), "old contents");
}

// Renaming over a file needs no permission on the file itself: the writer must still refuse a
// file that the user has made read-only.
TEST(WriteEco, AReadOnlyFileIsReportedAndLeftAsItWas) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    ScratchFolder folder;
    writeBytes(folder / "amp.eco", "old contents");
    std::filesystem::permissions(folder / "amp.eco", std::filesystem::perms::owner_read);
    EXPECT_EQ(writeFailure(folder / "amp.eco"),
              "Cannot write the ECO file \"" + (folder / "amp.eco") + "\": Permission denied.");
    EXPECT_THAT(folder.entries(), ElementsAre("amp.eco"));
    EXPECT_EQ(fileBytes(folder / "amp.eco"), "old contents");
}

// The disk filling up in the middle of the file, played by a file-size limit that binds every
// user: the write fails after the new file was made and partly written.
TEST(WriteEco, AFailedWriteLeavesTheExistingFileAndNoTempFile) {
    ScratchFolder folder;
    writeBytes(folder / "amp.eco", "old contents");
    std::string message;
    {
        test::FileSizeLimit limit(40);
        message = writeFailure(folder / "amp.eco");
    }

    EXPECT_EQ(message,
              "Cannot write the ECO file \"" + (folder / "amp.eco") + "\": File too large.");
    EXPECT_THAT(folder.entries(), ElementsAre("amp.eco"));
    EXPECT_EQ(fileBytes(folder / "amp.eco"), "old contents");
}

// The new file takes the replaced file's permissions once it is written, before the rename.
TEST(WriteEco, PermissionsThatCannotBeKeptLeaveTheExistingFileAndNoTempFile) {
    ScratchFolder folder;
    writeBytes(folder / "amp.eco", "old contents");
    std::string message;
    {
        test::FailingFchmod failing;
        message = writeFailure(folder / "amp.eco");
    }

    EXPECT_EQ(message, "Cannot write the ECO file \"" + (folder / "amp.eco") +
                           "\": Operation not permitted.");
    EXPECT_THAT(folder.entries(), ElementsAre("amp.eco"));
    EXPECT_EQ(fileBytes(folder / "amp.eco"), "old contents");
}

TEST(WriteEco, ARefusedNameWritesNothing) {
    ScratchFolder folder;
    writeBytes(folder / "amp.eco", "old contents");
    EXPECT_THROW(writeFileAtomically(folder / "amp.eco", ecoText({"R1"}, {"R 1"})), EcoError);
    EXPECT_THAT(folder.entries(), ElementsAre("amp.eco"));
    EXPECT_EQ(fileBytes(folder / "amp.eco"), "old contents");
}

} // namespace
} // namespace sequate::eco

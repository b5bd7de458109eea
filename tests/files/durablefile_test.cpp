// The durable files on each platform: a file is written whole over its target or not at all, and
// whatever stands at the new file's name, a planted link included, is never written through.

#include "files/durablefile.h"
#include "tests/support/privatedatafolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <set>

namespace sequate::files {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::set<std::string> entriesOf(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

fs::path freshFolder(const std::string& name) {
    const fs::path folder = sequate::testing::privateDataFolder / "files" / name;
    fs::create_directories(folder);
    return folder;
}

// A new file is made where nothing stands: a stray file or a planted link there is left as it
// is, and the file it points to is never written.
TEST(DurableFile, WhatStandsAtTheNewFilesNameIsNeverWrittenThrough) {
    for (const std::string stray : {"nothing", "file", "link"}) {
        SCOPED_TRACE(stray);
        const fs::path folder = freshFolder(stray);
        std::ofstream(folder / "victim") << "keep";
        std::error_code noLinks;
        if (stray == "file")
            std::ofstream(folder / "target.new") << "stray";
        if (stray == "link")
            fs::create_symlink(folder / "victim", folder / "target.new", noLinks);
        if (noLinks)
            continue; // no symbolic links here
        std::optional<OpenFile> file = OpenFile::createIfFree(folder / "target.new");
        EXPECT_EQ(file.has_value(), stray == "nothing");
        if (file)
            file->write("new");
        EXPECT_EQ(bytesOf(folder / "victim"), "keep");
    }
}

TEST(DurableFile, ReplacesWholeLeavingNothingBesideOrRefusesAReadOnlyFile) {
    const fs::path folder = freshFolder("replace");
    const fs::path target = folder / "amp.eco";
    replaceWhole(target, "first, longer");
    replaceWhole(target, "second");
    EXPECT_EQ(bytesOf(target), "second");
    EXPECT_EQ(entriesOf(folder), std::set<std::string>{"amp.eco"});
    fs::permissions(target, fs::perms::owner_read);
    EXPECT_THROW(replaceWhole(target, "third"), FileError);
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(bytesOf(target), "second");
    EXPECT_EQ(entriesOf(folder), std::set<std::string>{"amp.eco"});
}

} // namespace
} // namespace sequate::files

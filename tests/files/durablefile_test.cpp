// The durable files on each platform: a file is written whole over its target or not at all, and
// whatever stands at the new file's name, a planted link included, is never written through.

#include "files/durablefile.h"
#include "tests/support/privatedatafolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
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

TEST(DurableFile, WhatStandsAtTheNewFilesNameIsNeverWrittenThrough) {
    for (const std::string stray : {"nothing", "file", "link"}) {
        SCOPED_TRACE(stray);
        const fs::path folder = freshFolder(stray);
        std::ofstream(folder / "target") << "old";
        std::ofstream(folder / "victim") << "keep";
        std::error_code noLinks;
        if (stray == "file")
            std::ofstream(folder / "target.new") << "stray";
        if (stray == "link")
            fs::create_symlink(folder / "victim", folder / "target.new", noLinks);
        if (noLinks)
            continue; // no symbolic links here
        bool written = true;
        try {
            writeWhole(folder / "target.new", folder / "target", "new");
        } catch (const FileError& error) {
            written = false;
            EXPECT_EQ(error.step(), FileStep::Create);
            EXPECT_EQ(error.path(), folder / "target.new");
        }
        EXPECT_EQ(written, stray == "nothing");
        EXPECT_EQ(bytesOf(folder / "target"), written ? "new" : "old");
        EXPECT_EQ(bytesOf(folder / "victim"), "keep");
        EXPECT_EQ(entriesOf(folder).count("target.new"), written ? 0u : 1u);
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

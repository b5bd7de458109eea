#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdlib.h>
#include <string>
#include <vector>

namespace sequate::eco::test {

// A fresh folder for one test, removed with everything in it afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sequate-test-XXXXXX").string();
        mPath = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(mPath, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(mPath, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return mPath; }
    std::string operator/(const std::string& name) const { return (mPath / name).string(); }

    std::vector<std::string> entries() const { return entriesOf(mPath); }

    static std::vector<std::string> entriesOf(const std::filesystem::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        return names;
    }

private:
    std::filesystem::path mPath;
};

// A scratch folder that is the temporary folder (TMPDIR) for one test.
class TemporaryFolder : public ScratchFolder {
public:
    TemporaryFolder() {
        if (const char* old = std::getenv("TMPDIR"))
            mSaved = old;
        point();
    }
    ~TemporaryFolder() {
        if (mSaved)
            ::setenv("TMPDIR", mSaved->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }
    void point() const { ::setenv("TMPDIR", path().c_str(), 1); }

private:
    std::optional<std::string> mSaved;
};

inline std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace sequate::eco::test

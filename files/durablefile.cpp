#include "durablefile.h"

#include "system.h"

#include <random>
#include <utility>

namespace sequate::files {

namespace fs = std::filesystem;

namespace {

// The new file beside the target: closed and removed when it goes, unless it was put in place.
class NewFile {
public:
    explicit NewFile(OpenFile file) : mFile(std::move(file)), mPath(mFile.path()) {}
    ~NewFile() {
        if (mPlaced)
            return;
        mFile = OpenFile(); // closed first: Windows removes no file that is open
        removeFile(mPath);
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    OpenFile& file() { return mFile; }

    void putInPlace(const fs::path& target) {
        mFile.close();
        detail::renameOver(mPath, target);
        mPlaced = true;
        syncFolder(target.parent_path());
    }

private:
    OpenFile mFile;
    fs::path mPath;
    bool mPlaced = false;
};

OpenFile createBeside(const fs::path& target) {
    std::random_device random;
    for (int attempt = 0; attempt < 99; ++attempt)
        if (auto file = OpenFile::createIfFree(detail::temporaryBeside(target, random())))
            return std::move(*file);
    return OpenFile::createNew(detail::temporaryBeside(target, random()));
}

} // namespace

OpenFile::~OpenFile() {
    release();
}

OpenFile::OpenFile(OpenFile&& other) noexcept
    : mHandle(std::exchange(other.mHandle, closed)), mPath(std::move(other.mPath)) {}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
    if (this != &other) {
        release();
        mHandle = std::exchange(other.mHandle, closed);
        mPath = std::move(other.mPath);
    }
    return *this;
}

void writeWholeBeside(const fs::path& target, std::string_view bytes) {
    detail::removeLeftovers(target.parent_path());
    NewFile file(createBeside(target));
    file.file().write(bytes);
    file.file().sync();
    file.putInPlace(target);
}

void removeKilledWritersFiles(const fs::path& folder) {
    detail::removeLeftovers(folder);
}

fs::path replacedFile(const std::string& path) {
    if (path.empty())
        throw FileError(FileFault::NoFileName, path);
    fs::path target(path);
    if (!target.has_filename())
        throw FileError(FileFault::NamesAFolder, path);
    if (!target.has_parent_path())
        target = fs::path(".") / target;
    return detail::followLinks(target);
}

void replaceWhole(const fs::path& target, std::string_view bytes) {
    detail::requireWritable(target);
    const detail::FinalMode mode = detail::finalModeFor(target);
    detail::removeLeftovers(target.parent_path());
    NewFile file(createBeside(target));
    file.file().write(bytes);
    file.file().sync();
    // File systems that keep no permissions refuse every change of mode, and a new file on
    // them must still be written.
    try {
        file.file().setMode(mode.bits);
    } catch (const FileError&) {
        if (mode.replacing)
            throw;
    }
    file.putInPlace(target);
}

} // namespace sequate::files

#include "undeletable.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace sequate::eco::test {

namespace {

bool setImmutable(const std::filesystem::path& file, bool on) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

} // namespace

Undeletable::Undeletable(const std::filesystem::path& file) : mFile(file) {
    mImmutable = setImmutable(file, true);
    if (!mImmutable && ::geteuid() != 0) {
        std::error_code error;
        std::filesystem::permissions(
            file.parent_path(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec, error);
        mReadOnlyFolder = !error;
    }
}

Undeletable::~Undeletable() {
    if (mImmutable)
        setImmutable(mFile, false);
    if (mReadOnlyFolder) {
        std::error_code ignored;
        std::filesystem::permissions(mFile.parent_path(), std::filesystem::perms::owner_all,
                                     ignored);
    }
}

} // namespace sequate::eco::test

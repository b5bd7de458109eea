#include "syscallhooks.h"

#include <cerrno>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace {

std::function<void(int)> activeHook;
bool failingFchmod = false;

} // namespace

extern "C" int fsync(int fd) {
    if (activeHook)
        activeHook(fd);
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

extern "C" int fchmod(int fd, mode_t mode) {
    if (failingFchmod) {
        errno = EPERM;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fchmod, fd, mode));
}

namespace sequate::eco::test {

FsyncHook::FsyncHook(std::function<void(int fd)> hook) {
    activeHook = std::move(hook);
}

FsyncHook::~FsyncHook() {
    activeHook = nullptr;
}

FailingFchmod::FailingFchmod() {
    failingFchmod = true;
}

FailingFchmod::~FailingFchmod() {
    failingFchmod = false;
}

} // namespace sequate::eco::test

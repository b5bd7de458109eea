#include "fsynchook.h"

#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace {

std::function<void(int)> activeHook;

} // namespace

extern "C" int fsync(int fd) {
    if (activeHook)
        activeHook(fd);
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace sequate::eco::test {

FsyncHook::FsyncHook(std::function<void(int fd)> hook) {
    activeHook = std::move(hook);
}

FsyncHook::~FsyncHook() {
    activeHook = nullptr;
}

} // namespace sequate::eco::test

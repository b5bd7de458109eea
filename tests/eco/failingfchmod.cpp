#include "failingfchmod.h"

#include <cerrno>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

bool failing = false;

} // namespace

extern "C" int fchmod(int fd, mode_t mode) {
    if (failing) {
        errno = EPERM;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fchmod, fd, mode));
}

namespace sequate::eco::test {

FailingFchmod::FailingFchmod() {
    failing = true;
}

FailingFchmod::~FailingFchmod() {
    failing = false;
}

} // namespace sequate::eco::test

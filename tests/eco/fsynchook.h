#pragma once

#include <functional>

namespace sequate::eco::test {

// While it lives, every fsync in this process first hands its file to the hook: a look at the
// file at the moment its writer holds it complete, or a writer stopped or killed right there.
// The test program's own fsync stands in for the C library's; outside this object's life it
// passes every call on.
class FsyncHook {
public:
    explicit FsyncHook(std::function<void(int fd)> hook);
    ~FsyncHook();
    FsyncHook(const FsyncHook&) = delete;
    FsyncHook& operator=(const FsyncHook&) = delete;
};

} // namespace sequate::eco::test

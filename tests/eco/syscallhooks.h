#pragma once

#include <functional>

namespace sequate::eco::test {

// The test program's own fsync and fchmod stand in for the C library's; outside the life of
// these objects they pass every call on.

// While it lives, every fsync in this process first hands its file to the hook: a look at the
// file at the moment its writer holds it complete, or a writer stopped or killed right there.
class FsyncHook {
public:
    explicit FsyncHook(std::function<void(int fd)> hook);
    ~FsyncHook();
    FsyncHook(const FsyncHook&) = delete;
    FsyncHook& operator=(const FsyncHook&) = delete;
};

// While it lives, fchmod fails with "Operation not permitted" in this process, as it does on
// file systems that keep no permissions.
class FailingFchmod {
public:
    FailingFchmod();
    ~FailingFchmod();
    FailingFchmod(const FailingFchmod&) = delete;
    FailingFchmod& operator=(const FailingFchmod&) = delete;
};

} // namespace sequate::eco::test

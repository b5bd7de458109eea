#pragma once

namespace sequate::eco::test {

// While it lives, fchmod fails with "Operation not permitted" in this process, as it does on
// file systems that keep no permissions. The test program's own fchmod stands in for the C
// library's; outside this object's life it passes every call on.
class FailingFchmod {
public:
    FailingFchmod();
    ~FailingFchmod();
    FailingFchmod(const FailingFchmod&) = delete;
    FailingFchmod& operator=(const FailingFchmod&) = delete;
};

} // namespace sequate::eco::test

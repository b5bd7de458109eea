#pragma once

#include <csignal>
#include <sys/resource.h>

namespace sequate::eco::test {

// A full disk, as far as this process can tell: while it lives, a write beyond the given size
// fails with "File too large" instead of raising SIGXFSZ. Binds the superuser too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : mHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &mSaved);
        rlimit limited = mSaved;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &mSaved);
        std::signal(SIGXFSZ, mHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit mSaved{};
    void (*mHandler)(int);
};

} // namespace sequate::eco::test

#include "atomicfile.h"

#include "ecoerror.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace sequate::eco {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void fail(const std::string& path, int error) {
    throw EcoError("Cannot write the ECO file \"" + path +
                   "\": " + std::system_category().message(error) + ".");
}

// Replacing a file does not loosen or widen who may read it; a new file gets what a plain
// create would give it.
struct FinalMode {
    mode_t bits;
    bool replacing;
};

// Where the file-creation mask cannot be read, the file stays the user's alone.
mode_t plainCreationMode() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return 0666 & ~static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    }
    return 0600;
}

FinalMode finalModeFor(const fs::path& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        return {static_cast<mode_t>(existing.st_mode & 07777), true};
    return {plainCreationMode(), false};
}

// ".<stem>.sequate-<pid>-<random>.tmp": the process id tells a later write whether the writer
// of a file left behind still runs.
constexpr std::string_view temporaryMarker = ".sequate-";
constexpr std::string_view temporarySuffix = ".tmp";

std::string temporaryName(const std::string& stem, pid_t writer, unsigned random) {
    return "." + stem + std::string(temporaryMarker) + std::to_string(writer) + "-" +
           std::to_string(random) + std::string(temporarySuffix);
}

// The writer of a temporary file of ours, from its name; nullopt for any other name.
std::optional<pid_t> writerOf(std::string_view name) {
    if (!name.starts_with('.') || !name.ends_with(temporarySuffix))
        return std::nullopt;
    name.remove_suffix(temporarySuffix.size());
    const auto marker = name.rfind(temporaryMarker);
    if (marker == std::string_view::npos || marker < 2)
        return std::nullopt;
    const char* numbers = name.data() + marker + temporaryMarker.size();
    const char* end = name.data() + name.size();
    pid_t writer = 0;
    const auto [dash, error] = std::from_chars(numbers, end, writer);
    const std::string_view random(dash == end ? end : dash + 1, end);
    if (error != std::errc() || writer <= 0 || dash == end || *dash != '-' || random.empty() ||
        random.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return writer;
}

// A process that exists but belongs to another user still runs.
bool runs(pid_t process) {
    return ::kill(process, 0) == 0 || errno != ESRCH;
}

// Files that writers killed in the middle of a write left behind. Only the user's own regular
// files go, and only when their writer no longer runs. Tidying must never stop the write, so
// every failure here is passed over.
void removeLeftovers(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const auto writer = writerOf(entry->path().filename().string());
        if (!writer || runs(*writer))
            continue;
        struct stat status {};
        if (::lstat(entry->path().c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_uid == ::geteuid())
            ::unlink(entry->path().c_str());
    }
}

// Closes and removes the new file unless it has been renamed over the target.
class TempFile {
public:
    TempFile(const fs::path& target, const std::string& shownPath) : mShownPath(shownPath) {
        std::random_device random;
        const std::string stem = target.filename().string().substr(0, 200);
        for (int attempt = 0; attempt < 100; ++attempt) {
            mPath = target.parent_path() / temporaryName(stem, ::getpid(), random());
            // Nobody else may read the file before it is whole: it is widened in commit().
            mFd = ::open(mPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (mFd >= 0 || errno != EEXIST)
                break;
        }
        if (mFd < 0)
            fail(mShownPath, errno);
    }
    ~TempFile() {
        if (mFd >= 0)
            ::close(mFd);
        if (!mRenamed)
            ::unlink(mPath.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    void write(const std::string& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(mFd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                fail(mShownPath, errno);
            done += static_cast<std::size_t>(n);
        }
    }

    void commit(const fs::path& target, const FinalMode& mode) {
        if (::fsync(mFd) != 0)
            fail(mShownPath, errno);
        // A new file that keeps its narrow mode is only safer; file systems that keep no
        // permissions refuse every change of mode, and a new file on them must still be written.
        if (::fchmod(mFd, mode.bits) != 0 && mode.replacing)
            fail(mShownPath, errno);
        const int fd = mFd;
        mFd = -1;
        if (::close(fd) != 0)
            fail(mShownPath, errno);
        if (::rename(mPath.c_str(), target.c_str()) != 0)
            fail(mShownPath, errno);
        mRenamed = true;
    }

private:
    std::string mShownPath;
    fs::path mPath;
    int mFd = -1;
    bool mRenamed = false;
};

// Followed as the kernel's protected_symlinks would have it, whatever that setting is here:
// in a folder that everyone can write to and whose sticky bit keeps each user to their own
// entries, only a link that the user or the folder's owner made is followed. Anyone else's
// link there may have been planted to make the user replace a file they never chose.
void requireTrustedLink(const fs::path& link, const struct stat& linkStatus,
                        const std::string& shownPath) {
    struct stat folder {};
    if (::stat(link.parent_path().c_str(), &folder) != 0)
        fail(shownPath, errno);
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    if (!shared || linkStatus.st_uid == ::geteuid() || linkStatus.st_uid == folder.st_uid)
        return;
    throw EcoError("Cannot write the ECO file \"" + shownPath + "\": the link \"" + link.string() +
                   "\" belongs to another user in a folder that everyone can write to, so it "
                   "is not followed.");
}

// A link at the path stays a link: the file it points to is the one replaced.
fs::path followLinks(fs::path target, const std::string& shownPath) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (::lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            break;
        requireTrustedLink(target, status, shownPath);
        std::error_code error;
        const fs::path link = fs::read_symlink(target, error);
        if (error)
            break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

// The rename that replaces the file needs no permission on the file itself; a file the user
// has made read-only is refused as writing into it would be.
void requireWritable(const fs::path& target, const std::string& shownPath) {
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        fail(shownPath, errno);
}

fs::path targetOf(const std::string& path) {
    if (path.empty())
        throw EcoError("Cannot write the ECO file: no file name was given.");
    fs::path target(path);
    if (!target.has_filename())
        throw EcoError("Cannot write the ECO file \"" + path + "\": it names a folder.");
    if (!target.has_parent_path())
        target = fs::path(".") / target;
    return followLinks(target, path);
}

} // namespace

void writeFileAtomically(const std::string& path, const std::string& bytes) {
    const fs::path target = targetOf(path);
    requireRegularTarget(target, path);
    requireWritable(target, path);
    const FinalMode mode = finalModeFor(target);
    removeLeftovers(target.parent_path());
    TempFile temp(target, path);
    temp.write(bytes);
    temp.commit(target, mode);
}

} // namespace sequate::eco

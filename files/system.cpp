// The POSIX side of the durable files; the Windows side is system_win.cpp.

#include "system.h"

#include "durablefile.h"
#include "openfile.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace sequate::files {

namespace fs = std::filesystem;

namespace {

std::error_code lastError() {
    return {errno, std::system_category()};
}

constexpr int createFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;

} // namespace

std::optional<OpenFile> OpenFile::createIfFree(const fs::path& path) {
    const int handle = ::open(path.c_str(), createFlags, S_IRUSR | S_IWUSR);
    if (handle >= 0)
        return OpenFile(handle, path);
    if (errno == EEXIST)
        return std::nullopt;
    throw FileError(FileStep::Create, lastError(), path);
}

OpenFile OpenFile::createNew(const fs::path& path) {
    if (auto file = createIfFree(path))
        return std::move(*file);
    throw FileError(FileStep::Create, std::error_code(EEXIST, std::system_category()), path);
}

OpenFile OpenFile::openToAppend(const fs::path& path) {
    // Never through a link, and never waiting on a FIFO put there since it was checked.
    const int handle =
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        throw FileError(FileStep::Open, lastError(), path);
    return OpenFile(handle, path);
}

void OpenFile::release() noexcept {
    if (isOpen())
        ::close(static_cast<int>(mHandle));
    mHandle = closed;
}

void OpenFile::write(std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const auto got =
            ::write(static_cast<int>(mHandle), bytes.data() + written, bytes.size() - written);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw FileError(FileStep::Write, lastError(), mPath);
        written += static_cast<std::size_t>(got);
    }
}

void OpenFile::sync() {
    if (::fsync(static_cast<int>(mHandle)) != 0)
        throw FileError(FileStep::Sync, lastError(), mPath);
}

void OpenFile::setMode(unsigned bits) {
    if (::fchmod(static_cast<int>(mHandle), static_cast<mode_t>(bits)) != 0)
        throw FileError(FileStep::SetMode, lastError(), mPath);
}

void OpenFile::close() {
    const int handle = static_cast<int>(std::exchange(mHandle, closed));
    if (::close(handle) != 0)
        throw FileError(FileStep::Close, lastError(), mPath);
}

std::error_code removeFile(const fs::path& path) {
    return ::unlink(path.c_str()) == 0 ? std::error_code() : lastError();
}

void syncFolder(const fs::path& folder) {
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
}

namespace detail {

void renameOver(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        throw FileError(FileStep::Rename, lastError(), to);
}

namespace {

// Followed only when the user or the folder's owner made it, in a folder that everyone can
// write to and whose sticky bit keeps each user to their own entries.
void requireTrustedLink(const fs::path& link, const struct stat& linkStatus) {
    struct stat folder {};
    if (::stat(link.parent_path().c_str(), &folder) != 0)
        throw FileError(FileStep::Check, lastError(), link);
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    if (!shared || linkStatus.st_uid == ::geteuid() || linkStatus.st_uid == folder.st_uid)
        return;
    throw FileError(FileFault::UntrustedLink, link);
}

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

constexpr std::string_view temporaryMarker = ".sequate-";
constexpr std::string_view temporarySuffix = ".tmp";

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

} // namespace

fs::path followLinks(fs::path target) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (::lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            break;
        requireTrustedLink(target, status);
        std::error_code error;
        const fs::path link = fs::read_symlink(target, error);
        if (error)
            break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

void requireWritable(const fs::path& target) {
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        throw FileError(FileStep::Check, lastError(), target);
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
        (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        throw FileError(FileStep::Check, std::make_error_code(std::errc::permission_denied),
                        target);
}

FinalMode finalModeFor(const fs::path& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        return {static_cast<unsigned>(existing.st_mode & 07777), true};
    return {static_cast<unsigned>(plainCreationMode()), false};
}

fs::path temporaryBeside(const fs::path& target, unsigned random) {
    const std::string stem = target.filename().string().substr(0, 200);
    return target.parent_path() /
           ("." + stem + std::string(temporaryMarker) + std::to_string(::getpid()) + "-" +
            std::to_string(random) + std::string(temporarySuffix));
}

// Only the user's own regular files go, and only when their writer no longer runs.
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

} // namespace detail

} // namespace sequate::files

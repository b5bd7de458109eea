#include "privatefolder.h"

#include "ecoerror.h"
#include "host/filesafety.h"

#include <cerrno>
#include <charconv>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <stdlib.h>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <random>
#include <windows.h>

namespace {
// A folder made under a new random name in the user's own temporary folder, which only the
// user (and the administrators) may enter; nullptr when no name could be had.
char* mkdtemp(char* pattern) {
    std::random_device random;
    std::string name(pattern);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string digits = std::to_string(1000000 + random() % 1000000);
        name.replace(name.size() - 6, 6, digits.substr(1));
        if (::CreateDirectoryA(name.c_str(), nullptr)) {
            std::copy(name.begin(), name.end(), pattern);
            return pattern;
        }
        if (::GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    errno = EACCES;
    return nullptr;
}

int currentProcess() {
    return static_cast<int>(::GetCurrentProcessId());
}

// A process that cannot be opened for another reason than its absence still runs.
bool runs(int process) {
    const HANDLE handle =
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(process));
    if (!handle)
        return ::GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool active = ::GetExitCodeProcess(handle, &code) && code == STILL_ACTIVE;
    ::CloseHandle(handle);
    return active;
}

} // namespace
#else
#include <csignal>
#include <unistd.h>

namespace {
int currentProcess() {
    return static_cast<int>(::getpid());
}

// A process that exists but belongs to another user still runs.
bool runs(int process) {
    return ::kill(static_cast<pid_t>(process), 0) == 0 || errno != ESRCH;
}
} // namespace
#endif

namespace sequate::eco {

namespace fs = std::filesystem;

namespace {

fs::path systemTemporaryFolder() {
    std::error_code error;
    fs::path folder = fs::temp_directory_path(error);
    // PowerPCB runs in its own process with its own working folder: hand it a full path.
    if (!error)
        folder = fs::absolute(folder, error);
    if (error)
        throw EcoError({host::EcoFolderUnmade{{}, error.message()}});
    return folder;
}

constexpr std::string_view folderPrefix = "sequate-eco-";
// In a folder left for the user, who was told its path: it is theirs to remove.
constexpr const char* keptMark = ".kept";

// The process that made a folder of that name; nullopt for any other name, the names without a
// process id that earlier versions gave among them.
std::optional<int> makerOf(std::string_view name) {
    if (!name.starts_with(folderPrefix))
        return std::nullopt;
    name.remove_prefix(folderPrefix.size());
    int maker = 0;
    const auto [dash, error] = std::from_chars(name.data(), name.data() + name.size(), maker);
    const std::string_view rest(dash, static_cast<std::size_t>(name.data() + name.size() - dash));
    if (error != std::errc() || maker <= 0 || rest.size() != 7 || rest[0] != '-')
        return std::nullopt;
    return maker;
}

} // namespace

void removeStaleHandOffFolders() {
    std::error_code error;
    const fs::path parent = fs::temp_directory_path(error);
    if (error)
        return;
    for (fs::directory_iterator entry(parent, error), end; !error && entry != end;
         entry.increment(error)) {
        const auto maker = makerOf(entry->path().filename().string());
        std::error_code ignored;
        // Only the user's own folders go, never a link or another user's folder.
        if (!maker || *maker == currentProcess() || runs(*maker) ||
            host::whyNotPrivateFolder(entry->path()) ||
            fs::exists(entry->path() / keptMark, ignored))
            continue;
        fs::remove_all(entry->path(), ignored);
    }
}

PrivateFolder::PrivateFolder() {
    removeStaleHandOffFolders();
    const fs::path parent = systemTemporaryFolder();
    // mkdtemp makes the folder with mode 0700 under a name nobody else can have taken.
    std::string pattern =
        (parent / (std::string(folderPrefix) + std::to_string(currentProcess()) + "-XXXXXX"))
            .string();
    if (!::mkdtemp(pattern.data()))
        throw EcoError(
            {host::EcoFolderUnmade{parent.string(), std::system_category().message(errno)}});
    mPath = pattern;
}

PrivateFolder::~PrivateFolder() {
    if (mRemoved)
        return;
    std::error_code ignored;
    fs::remove_all(mPath, ignored);
}

void PrivateFolder::keep() {
    mRemoved = true;
    std::ofstream mark(mPath / keptMark);
}

void PrivateFolder::remove() {
    std::error_code error;
    fs::remove_all(mPath, error);
    if (error)
        throw std::runtime_error(error.message());
    mRemoved = true;
}

} // namespace sequate::eco

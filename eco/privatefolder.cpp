#include "privatefolder.h"

#include "ecoerror.h"

#include <cerrno>
#include <stdexcept>
#include <stdlib.h>
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
        throw EcoError("Cannot find the temporary folder for the ECO file: " + error.message() +
                       ".");
    return folder;
}

} // namespace

PrivateFolder::PrivateFolder() {
    const fs::path parent = systemTemporaryFolder();
    // mkdtemp makes the folder with mode 0700 under a name nobody else can have taken.
    std::string pattern = (parent / "sequate-eco-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw EcoError("Cannot create a private folder for the ECO file in \"" + parent.string() +
                       "\": " + std::system_category().message(errno) + ".");
    mPath = pattern;
}

PrivateFolder::~PrivateFolder() {
    if (mRemoved)
        return;
    std::error_code ignored;
    fs::remove_all(mPath, ignored);
}

void PrivateFolder::remove() {
    std::error_code error;
    fs::remove_all(mPath, error);
    if (error)
        throw std::runtime_error(error.message());
    mRemoved = true;
}

} // namespace sequate::eco

#pragma once

#include "fileerror.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace sequate::files {

// A file open for writing, owned: closed when it goes. Not inherited by programs started later.
class OpenFile {
public:
    // A new file at path, readable and writable by the user alone. Whatever stands there, a
    // link included, which is not followed, makes it fail. Throws FileError.
    static OpenFile createNew(const std::filesystem::path& path);
    // As createNew, but nullopt when something stands at path: the caller tries another name.
    static std::optional<OpenFile> createIfFree(const std::filesystem::path& path);
    // An existing file, written at its end. Throws FileError.
    static OpenFile openToAppend(const std::filesystem::path& path);

    OpenFile() = default;
    ~OpenFile();
    OpenFile(OpenFile&& other) noexcept;
    OpenFile& operator=(OpenFile&& other) noexcept;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool isOpen() const { return mHandle != closed; }
    const std::filesystem::path& path() const { return mPath; }

    // Each throws FileError naming the step and the system's reason.
    void write(std::string_view bytes);
    void sync();
    // The permission bits the file keeps (POSIX; nothing to do on Windows).
    void setMode(unsigned bits);
    // Closes the file, telling a failure (a write the file system gave up on shows here).
    void close();

private:
    static constexpr std::intptr_t closed = -1; // and INVALID_HANDLE_VALUE on Windows
    OpenFile(std::intptr_t handle, std::filesystem::path path)
        : mHandle(handle), mPath(std::move(path)) {}
    void release() noexcept;

    std::intptr_t mHandle = closed; // a descriptor, or a HANDLE on Windows
    std::filesystem::path mPath;
};

} // namespace sequate::files

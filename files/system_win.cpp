// The Windows side of the durable files; the POSIX side is system.cpp. Paths are wide here, a
// file opened here is not inherited by programs started later, and a new file is opened without
// sharing until it is renamed, so that a later write can tell a running writer's file from one
// a killed writer left: the running writer's cannot be deleted.

#include "durablefile.h"
#include "openfile.h"
#include "system.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <windows.h>

namespace sequate::files {

namespace fs = std::filesystem;

namespace {

std::error_code lastError() {
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

HANDLE native(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

std::optional<OpenFile> OpenFile::createIfFree(const fs::path& path) {
    // CREATE_NEW refuses whatever stands at the path, a link included.
    const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE)
        return OpenFile(reinterpret_cast<std::intptr_t>(handle), path);
    if (::GetLastError() == ERROR_FILE_EXISTS)
        return std::nullopt;
    throw FileError(FileStep::Create, lastError(), path);
}

OpenFile OpenFile::createNew(const fs::path& path) {
    if (auto file = createIfFree(path))
        return std::move(*file);
    throw FileError(FileStep::Create, std::error_code(ERROR_FILE_EXISTS, std::system_category()),
                    path);
}

OpenFile OpenFile::openToAppend(const fs::path& path) {
    const HANDLE handle =
        ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw FileError(FileStep::Open, lastError(), path);
    return OpenFile(reinterpret_cast<std::intptr_t>(handle), path);
}

void OpenFile::release() noexcept {
    if (isOpen())
        ::CloseHandle(native(mHandle));
    mHandle = closed;
}

void OpenFile::write(std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(native(mHandle), bytes.data() + done, chunk, &written, nullptr))
            throw FileError(FileStep::Write, lastError(), mPath);
        done += written;
    }
}

void OpenFile::sync() {
    if (!::FlushFileBuffers(native(mHandle)))
        throw FileError(FileStep::Sync, lastError(), mPath);
}

// The permissions of a file come from its folder here.
void OpenFile::setMode(unsigned) {}

void OpenFile::close() {
    const HANDLE handle = native(std::exchange(mHandle, closed));
    if (!::CloseHandle(handle))
        throw FileError(FileStep::Close, lastError(), mPath);
}

std::error_code removeFile(const fs::path& path) {
    return ::DeleteFileW(path.c_str()) ? std::error_code() : lastError();
}

void syncFolder(const fs::path&) {}

namespace detail {

void renameOver(const fs::path& from, const fs::path& to) {
    if (!::MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw FileError(FileStep::Rename, lastError(), to);
}

fs::path followLinks(fs::path target) {
    return target;
}

// MoveFileEx would replace a read-only file too; the user made it read-only to keep it.
void requireWritable(const fs::path& target) {
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw FileError(FileStep::Check,
                        std::error_code(ERROR_ACCESS_DENIED, std::system_category()), target);
}

FinalMode finalModeFor(const fs::path&) {
    return {};
}

namespace {
constexpr std::wstring_view temporaryMarker = L".sequate-";
constexpr std::wstring_view temporarySuffix = L".tmp";
} // namespace

fs::path temporaryBeside(const fs::path& target, unsigned random) {
    const std::wstring stem = target.filename().wstring().substr(0, 200);
    return target.parent_path() /
           (L"." + stem + std::wstring(temporaryMarker) + std::to_wstring(::GetCurrentProcessId()) +
            L"-" + std::to_wstring(random) + std::wstring(temporarySuffix));
}

// A writer that still runs holds its file open without delete sharing, so the delete fails and
// the file stays.
void removeLeftovers(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::wstring name = entry->path().filename().wstring();
        if (name.starts_with(L'.') && name.ends_with(temporarySuffix) &&
            name.find(temporaryMarker) != std::wstring::npos && entry->is_regular_file(error))
            ::DeleteFileW(entry->path().c_str());
    }
}

} // namespace detail

} // namespace sequate::files

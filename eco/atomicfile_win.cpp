// Windows: the bytes go to a new file beside the target, which MoveFileEx puts in the target's
// place once it is whole and flushed. A file left behind by a killed writer is removed by the
// next write in its folder when no process holds it open any more.

#include "atomicfile.h"
#include "ecoerror.h"

#include <filesystem>
#include <random>
#include <string_view>
#include <system_error>
#include <windows.h>

namespace sequate::eco {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void fail(const std::string& path, DWORD error) {
    throw EcoError("Cannot write the ECO file \"" + path +
                   "\": " + std::system_category().message(static_cast<int>(error)) + ".");
}

constexpr std::wstring_view temporaryMarker = L".sequate-";
constexpr std::wstring_view temporarySuffix = L".tmp";

bool isTemporaryName(std::wstring_view name) {
    return name.starts_with(L'.') && name.ends_with(temporarySuffix) &&
           name.find(temporaryMarker) != std::wstring_view::npos;
}

// A writer that still runs holds its file open without delete sharing, so the delete fails
// and the file stays; every failure here is passed over, as tidying must never stop the write.
void removeLeftovers(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (isTemporaryName(entry->path().filename().wstring()) && entry->is_regular_file(error))
            ::DeleteFileW(entry->path().c_str());
    }
}

class TempFile {
public:
    TempFile(const fs::path& target, const std::string& shownPath) : mShownPath(shownPath) {
        std::random_device random;
        const std::wstring stem = target.filename().wstring().substr(0, 200);
        for (int attempt = 0; attempt < 100; ++attempt) {
            mPath =
                target.parent_path() / (L"." + stem + std::wstring(temporaryMarker) +
                                        std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                        std::to_wstring(random()) + std::wstring(temporarySuffix));
            mHandle = ::CreateFileW(mPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
            if (mHandle != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS)
                break;
        }
        if (mHandle == INVALID_HANDLE_VALUE)
            fail(mShownPath, ::GetLastError());
    }
    ~TempFile() {
        if (mHandle != INVALID_HANDLE_VALUE)
            ::CloseHandle(mHandle);
        if (!mMoved)
            ::DeleteFileW(mPath.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    void write(const std::string& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const DWORD chunk =
                static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
            DWORD written = 0;
            if (!::WriteFile(mHandle, bytes.data() + done, chunk, &written, nullptr))
                fail(mShownPath, ::GetLastError());
            done += written;
        }
    }

    void commit(const fs::path& target) {
        if (!::FlushFileBuffers(mHandle))
            fail(mShownPath, ::GetLastError());
        const HANDLE handle = mHandle;
        mHandle = INVALID_HANDLE_VALUE;
        if (!::CloseHandle(handle))
            fail(mShownPath, ::GetLastError());
        if (!::MoveFileExW(mPath.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            fail(mShownPath, ::GetLastError());
        mMoved = true;
    }

private:
    std::string mShownPath;
    fs::path mPath;
    HANDLE mHandle = INVALID_HANDLE_VALUE;
    bool mMoved = false;
};

// MoveFileEx would replace a read-only file too; the user made it read-only to keep it.
void requireWritable(const fs::path& target, const std::string& shownPath) {
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        fail(shownPath, ERROR_ACCESS_DENIED);
}

fs::path targetOf(const std::string& path) {
    if (path.empty())
        throw EcoError("Cannot write the ECO file: no file name was given.");
    fs::path target(path);
    if (!target.has_filename())
        throw EcoError("Cannot write the ECO file \"" + path + "\": it names a folder.");
    if (!target.has_parent_path())
        target = fs::path(".") / target;
    return target;
}

} // namespace

void writeFileAtomically(const std::string& path, const std::string& bytes) {
    const fs::path target = targetOf(path);
    requireRegularTarget(target, path);
    requireWritable(target, path);
    removeLeftovers(target.parent_path());
    TempFile temp(target, path);
    temp.write(bytes);
    temp.commit(target);
}

} // namespace sequate::eco

#pragma once

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace sequate::files {

// The step of a write that the system refused.
enum class FileStep { Check, Create, Open, Write, Sync, SetMode, Close, Rename };

// What is wrong: the system's refusal of a step, or a path no writer takes.
enum class FileFault {
    System,        // code() says why
    NoFileName,    // the path is empty
    NamesAFolder,  // the path ends in a separator
    UntrustedLink, // path() is another user's link in a folder everyone can write to
};

// A file that cannot be written. Each writer says it in its own words, from the fault, the
// step and the system's reason; what() is only for a log.
class FileError : public std::runtime_error {
public:
    FileError(FileStep step, std::error_code code, std::filesystem::path path)
        : std::runtime_error(path.string() + ": " + code.message()), mStep(step), mCode(code),
          mPath(std::move(path)) {}
    FileError(FileFault fault, std::filesystem::path path)
        : std::runtime_error(path.string() + ": not written"), mFault(fault),
          mPath(std::move(path)) {}

    FileFault fault() const { return mFault; }
    FileStep step() const { return mStep; }
    const std::error_code& code() const { return mCode; }
    // The file the step was about: the new file until it is renamed, then the target.
    const std::filesystem::path& path() const { return mPath; }

private:
    FileFault mFault = FileFault::System;
    FileStep mStep = FileStep::Check;
    std::error_code mCode;
    std::filesystem::path mPath;
};

} // namespace sequate::files

#include "calltrace.h"

#include "files/durablefile.h"
#include "filesafety.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace sequate::host {

namespace {

std::string whyNotWritten(const files::FileError& error) {
    switch (error.fault()) {
    case files::FileFault::NoFileName:
        return "no file name";
    case files::FileFault::NamesAFolder:
        return "the path ends in a folder";
    case files::FileFault::UntrustedLink:
        return "another user's link in a folder everyone can write to";
    case files::FileFault::System:
        break;
    }
    return error.code().message();
}

files::OpenFile openTrace(const std::string& path) {
    const std::filesystem::path target = files::replacedFile(path);
    if (const auto other = notARegularFile(target))
        throw std::runtime_error(*other);
    files::replaceWhole(target, {});
    return files::OpenFile::openToAppend(target);
}

} // namespace

CallTrace::CallTrace(const std::string& path) {
    try {
        mFile = openTrace(path);
    } catch (const files::FileError& error) {
        throw std::runtime_error("cannot write the call trace \"" + path +
                                 "\": " + whyNotWritten(error));
    } catch (const std::runtime_error& other) {
        throw std::runtime_error("cannot write the call trace \"" + path + "\": " + other.what() +
                                 " stands there");
    }
}

void CallTrace::record(const std::string& application, const std::string& call,
                       const std::string& arguments, const std::string& outcome,
                       double milliseconds) {
    char time[32];
    std::snprintf(time, sizeof time, "%.3f ms", milliseconds);
    try {
        mFile.write(application + ' ' + call + '(' + arguments + ") -> " + outcome + " [" + time +
                    "]\r\n");
    } catch (const files::FileError&) {
    }
}

std::shared_ptr<CallTrace> CallTrace::fromEnvironment() {
    const char* path = std::getenv("SEQUATE_TRACE");
    if (!path || !*path)
        return nullptr;
    try {
        return std::make_shared<CallTrace>(path);
    } catch (const std::runtime_error& problem) {
        // Asked for by the environment, not by a command: the session goes on without it.
        std::fprintf(stderr, "SEQUATE_TRACE: %s; no calls are traced\n", problem.what());
        return nullptr;
    }
}

} // namespace sequate::host

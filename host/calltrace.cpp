#include "calltrace.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace sequate::host {

CallTrace::CallTrace(const std::string& path) : mFile(path, std::ios::binary | std::ios::trunc) {
    if (!mFile)
        throw std::runtime_error("cannot write the call trace \"" + path + "\"");
}

void CallTrace::record(const std::string& application, const std::string& call,
                       const std::string& arguments, const std::string& outcome,
                       double milliseconds) {
    char time[32];
    std::snprintf(time, sizeof time, "%.3f ms", milliseconds);
    mFile << application << ' ' << call << '(' << arguments << ") -> " << outcome << " [" << time
          << "]\r\n";
    mFile.flush();
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

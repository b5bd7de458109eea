#pragma once

// Every automation call of a session, written to a text file the user chose: the application,
// the interface, the slot (over COM) and name, the arguments, the result or the failure with the
// application's text, and the time it took. What the real application answered can be seen
// nowhere else. Names in it are the design's own, so it is written only when asked for.

#include "files/openfile.h"

#include <memory>
#include <string>

namespace sequate::host {

class CallTrace {
public:
    // Opened as the ECO file is: a link another user may have planted in a shared folder is
    // refused, and so is anything but a regular file (a FIFO nobody reads would hold every call).
    // A trace already there is replaced. Throws std::runtime_error naming the file and why.
    explicit CallTrace(const std::string& path);

    // One line per call, written at once: a trace cut short by a crash still tells its calls.
    // A trace that can no longer be written (a full disk) costs the session nothing.
    void record(const std::string& application, const std::string& call,
                const std::string& arguments, const std::string& outcome, double milliseconds);

    // The trace the environment asks for (SEQUATE_TRACE, a file path), or none; a file that
    // cannot be written is said on standard error.
    static std::shared_ptr<CallTrace> fromEnvironment();

private:
    files::OpenFile mFile;
};

} // namespace sequate::host

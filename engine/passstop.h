#pragma once

// Why a numbering pass cannot go on. Thrown inside the pass and caught once, at its top,
// where the renames made so far are undone and the message is shown.

#include "host/hostfailure.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace sequate::engine {

class PassStop : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The user asked the pass to stop: it ends as a stopped pass does, with its renames put back.
class StoppedByUser : public PassStop {
public:
    using PassStop::PassStop;
};

// PowerLogic refused to give a component a new name.
class RenameRefused : public PassStop {
public:
    RenameRefused(const std::string& message, std::string wantedName, host::HostCode code)
        : PassStop(message), mWantedName(std::move(wantedName)), mCode(code) {}

    const std::string& wantedName() const { return mWantedName; }
    host::HostCode code() const { return mCode; }

private:
    std::string mWantedName;
    host::HostCode mCode;
};

// A host failure in the user's words, its code and the host's own text only as a detail at the
// end: "PowerLogic refused the call (error 0x80040203: the name is taken)".
std::string describeFailure(const host::HostFailure& failure);

} // namespace sequate::engine

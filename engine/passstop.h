#pragma once

// Why a numbering pass cannot go on. Thrown inside the pass and caught once, at its top,
// where the renames made so far are undone and the message is shown.

#include "hostfault.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace sequate::engine {

// The words say what the pass was doing; a host failure that stopped it travels beside them
// as a value, told after them.
class PassStop : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    PassStop(const std::string& words, HostFault fault)
        : std::runtime_error(words), mFault(std::move(fault)) {}

    const std::optional<HostFault>& fault() const { return mFault; }

private:
    std::optional<HostFault> mFault;
};

// The user asked the pass to stop: it ends as a stopped pass does, with its renames put back.
class StoppedByUser : public PassStop {
public:
    using PassStop::PassStop;
};

// PowerLogic refused to give a component a new name.
class RenameRefused : public PassStop {
public:
    RenameRefused(const std::string& words, std::string wantedName, HostFault fault)
        : PassStop(words, std::move(fault)), mWantedName(std::move(wantedName)) {}

    const std::string& wantedName() const { return mWantedName; }

private:
    std::string mWantedName;
};

} // namespace sequate::engine

#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace sequate::host {

// The automation error codes that Sequate tells apart. Any other code a host reports is
// carried through unchanged: the enum is only a set of names for well-known values.
enum class HostCode : std::uint32_t {
    NotRunning = 429,               // no running instance registered under the class name
    NoInterface = 0x80004002,       // the object is not of the kind asked for
    NoProject = 0x80040202,         // no project loaded, or no components / empty list
    RenameRefused = 0x80040203,     // SetName refused: empty, blank/control char, or taken
    BadIndex = 0x8002000B,          // list index out of range
    ServerUnavailable = 0x800706BA, // the host process went away in the middle of a call
    Timeout = 0x800705B4,           // the host did not answer in time
    FileNotFound = 0x80070002,      // a file the host was asked to read does not exist
    Failed = 0x80004005,            // unspecified failure
};

// Hex form used in every message, such as "0x80040202"; small codes such as 429 in decimal,
// as the platform shows them.
std::string codeText(HostCode code);

// A failed automation call. Carries the code the host reported and a message for people.
class HostFailure : public std::runtime_error {
public:
    HostFailure(HostCode code, const std::string& message);

    HostCode code() const noexcept { return mCode; }
    // The host went away or did not answer in time: the call may still have taken effect, or
    // take it once the host answers again, and any later call would wait out its time too.
    bool outcomeUnknown() const noexcept {
        return mCode == HostCode::Timeout || mCode == HostCode::ServerUnavailable;
    }
    // The failure may be the transport's rather than the host's answer: the call may have run
    // and its answer been lost. Besides the two above, COM's RPC failures (0x8001xxxx, such as
    // RPC_E_DISCONNECTED 0x80010108) and Windows' RPC errors (0x800706A4 to 0x800707CF, such
    // as RPC_S_CALL_FAILED 0x800706BE).
    bool answerMayBeLost() const noexcept {
        const auto code = static_cast<std::uint32_t>(mCode);
        return outcomeUnknown() || (code & 0xFFFF0000U) == 0x80010000U ||
               (code >= 0x800706A4U && code <= 0x800707CFU);
    }

private:
    HostCode mCode;
};

} // namespace sequate::host

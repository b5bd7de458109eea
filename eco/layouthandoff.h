#pragma once

// "Write and force read in PCB": the ECO file handed to the running PowerPCB.

#include "host/ecodelivery.h"
#include "host/powerlogic.h"
#include "host/runningobjects.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sequate::eco {

// Why PowerPCB cannot take an ECO file now (it is not running, has no layout open, or did not
// answer); none when it can. Asked before a pass renames anything.
std::optional<host::EcoProblem> layoutUnreachable(host::RunningObjects& objects);

// What PowerPCB's failed answer to a file tells. By itself nothing, whatever its code: the
// file may have been applied and the answer lost on the way.
struct FailedRead {
    // A file PowerPCB reads only if its layout took the one that failed, read to find out;
    // empty when no name tells.
    std::vector<std::string> probeOldNames, probeNewNames;
    // The file is itself such a probe: its refusal tells that the layout lacks a name, unless
    // the answer may have been lost (host::HostFailure::answerMayBeLost).
    bool refusalTells = false;
};

// The file goes to a private folder in the temporary folder, PowerPCB reads it, and it is
// deleted with its folder. Never throws; the outcome says what the layout got, and its problem
// why where it is not Delivered: NotDelivered when it got nothing (PowerPCB unreachable, the
// file not written, or, as a probe tells, refused whole by PowerPCB), FileLeftOver when it read the
// file that could then not be deleted, Unknown when PowerPCB's answer failed and nothing tells
// whether the layout took it (the file is kept for the user to read in by hand). `beforeRead` is
// called with the file's path once it is written and before PowerPCB reads it, so that the pass can
// journal the hand-off; when it throws, PowerPCB is not asked. Old program: AlsoInPCB.
host::EcoDelivery sendEcoToLayout(host::LogicApplication& powerLogic, host::RunningObjects& objects,
                                  const std::vector<std::string>& oldNames,
                                  const std::vector<std::string>& newNames,
                                  const std::function<void(const std::string&)>& beforeRead = {},
                                  const FailedRead& failed = {});

} // namespace sequate::eco

#pragma once

// The core of the two headless pass runners, sequate-pass (the in-memory hosts of a state file,
// or those on the D-Bus session bus) and sequate-pass-com (the running applications over COM):
// start-up as the program does, the recovery and the pass the options ask for, and one JSON
// report of what came of it. The front ends say where the hosts are and add what only they
// know.

#include "engine/hostsession.h"
#include "host/runningobjects.h"
#include "runneroptions.h"

#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace sequate::tools {

using Json = nlohmann::json;

// Where a run's hosts are, and what its front end adds.
struct RunnerHosts {
    host::RunningObjects& objects;
    // The open schematic's names now; by default read through automation, null without a
    // document.
    std::function<Json(const engine::HostSession&)> names = {};
    // Fields only the front end knows, added to every report: the layout, the calls counted,
    // the log.
    std::function<void(Json& report)> addFields = {};
    // Why the hosts are refused before start-up, when they are.
    std::function<std::optional<std::string>()> refusal = {};
    // Where the journals go; the user's data folder when none is given.
    std::optional<std::filesystem::path> journalFolder = {};
};

struct RunnerOutcome {
    // 0 the pass completed, or there was nothing to do; 1 it stopped, or start-up, Run or the
    // plan refused, or a journal found could not be settled.
    int exitStatus = 0;
    Json report;
};

// program names the runner in what it says.
RunnerOutcome runRunner(const RunnerHosts& hosts, const RunnerOptions& options,
                        const std::string& program);

} // namespace sequate::tools

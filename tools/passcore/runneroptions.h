#pragma once

// The options both pass runners take, sequate-pass and sequate-pass-com, read in one place.

#include "engine/passrequest.h"
#include "engine/recovery.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace sequate::tools {

struct RunnerOptions {
    bool pass = false;       // --mode was given
    bool selected = false;   // --mode selected; else all components
    bool duplicates = false; // "Rename duplicates" instead of "Assign next free names"
    std::string startText = "1";
    engine::WalkOrder order = engine::WalkOrder::Standard; // --order list|across|down
    std::string leaveAloneText;                            // --leave-alone TEXT, as typed
    bool planOnly = false;                                 // read and plan, rename nothing
    // --recover: settle a pass an earlier run left unfinished, before any pass.
    std::optional<engine::RecoveryChoice> recover;
    // --put-back-last: put back the last completed pass, schematic and layout, after any
    // recovery and instead of a pass.
    bool putBackLast = false;
    // Where a pass's ECO file goes, and the renames a recovery keeps: "Write and force read in
    // PCB"; with --eco-file "Write only" to that file, as if chosen in the save dialog; with
    // --no-eco nowhere, the schematic alone renamed.
    engine::EcoDestination eco = engine::EcoDestination::PowerPcb;
    std::optional<std::string> ecoFile;
    std::string tracePath; // --trace FILE: every automation call written to FILE
    bool help = false;     // --help or -h
    // What the runner says on standard error before it runs, such as that an option was renamed.
    std::vector<std::string> notes;
};

// The lines of --help that tell the options both runners take, and their exit status.
extern const char* const commonOptionsHelp;
extern const char* const exitStatusHelp;

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads arguments[i], and the value after it, when it is an option every runner takes; false,
// with i unchanged, for any other. Throws UsageError for a value that cannot be used.
bool readCommonOption(const std::vector<std::string>& arguments, std::size_t& i,
                      RunnerOptions& options);
// Once every argument is read, for a run that is to pass or recover: what the options ask for
// together. Throws UsageError.
void checkCommonOptions(const RunnerOptions& options);

// The request a pass is made with, or the refusal of its start text or leave-alone entry.
engine::RequestOrRefusal passRequest(const RunnerOptions& options);

} // namespace sequate::tools

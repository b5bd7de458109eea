#include "passrunner.h"

#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "host/sim/statefile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <stdlib.h>

namespace sequate::tools {

namespace {

constexpr const char* program = passProgramName;

constexpr const char* usage =
    "usage: sequate-pass STATE.json|--bus [--recover undo|keep] --mode all|selected "
    "[--duplicates] [--start TEXT] [--order list|across|down] [--leave-alone TEXT] "
    "[--plan-only] [--eco-file PATH|--no-eco] [--trace FILE (with --bus)]\n"
    "       sequate-pass --bus [--recover undo|keep] --put-back-last [--eco-file PATH]\n"
    "       sequate-pass --help";

constexpr const char* help =
    "One numbering pass without a display, as a user pressing Run would, over the schematic of\n"
    "a simulator state file (in memory, with a simulated PowerPCB) or, with --bus, over the\n"
    "PowerLogic and PowerPCB on the session bus; the report comes as JSON on standard output.\n"
    "  --bus                 the hosts on the session bus instead of STATE.json (--trace needs\n"
    "                        it)\n";

// A folder of the run's own, removed with all it holds when the run ends.
class RunFolder {
public:
    RunFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sequate-pass-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            mPath = pattern;
        else
            mError = std::strerror(errno);
    }
    ~RunFolder() {
        std::error_code ignored;
        if (mPath)
            std::filesystem::remove_all(*mPath, ignored);
    }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    const std::optional<std::filesystem::path>& path() const { return mPath; }
    const std::string& error() const { return mError; }

private:
    std::optional<std::filesystem::path> mPath;
    std::string mError;
};

} // namespace

PassProgramOptions parseArguments(const std::vector<std::string>& arguments) {
    PassProgramOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (readCommonOption(arguments, i, options.runner))
            continue;
        if (argument == "--bus")
            options.bus = true;
        else if (argument.starts_with("--"))
            throw UsageError("unknown option " + argument);
        else if (!options.statePath.empty())
            throw UsageError("more than one state file: " + options.statePath + " and " + argument);
        else
            options.statePath = argument;
    }
    if (options.runner.help)
        return options;
    if (options.statePath.empty() && !options.bus)
        throw UsageError("no state file given");
    if (!options.statePath.empty() && options.bus)
        throw UsageError("a state file and --bus: choose one");
    if (options.runner.putBackLast && !options.bus)
        throw UsageError("--put-back-last needs --bus: the state file's hosts keep no passes");
    if (!options.runner.tracePath.empty() && !options.bus)
        throw UsageError("--trace needs --bus: the state file's hosts make no automation calls");
    checkCommonOptions(options.runner);
    return options;
}

RunnerOutcome runPass(const host::sim::SimState& state, const PassProgramOptions& options) {
    host::sim::SimPowerLogic logic(state.documents);
    host::sim::SimPowerPcb pcb(host::sim::startingLayout(state));
    host::sim::SimRunningObjects objects(&logic, &pcb);
    // Hosts in memory end with the run, so no journal of it can ever be recovered; in the
    // user's data folder it would only meet a later run against the real schematic.
    const RunFolder journals;
    if (!journals.path())
        return {1, Json{{"messages", Json::array({"Cannot create a temporary folder for the "
                                                  "journal: " +
                                                  journals.error()})}}};
    RunnerHosts hosts{objects};
    hosts.names = [&](const engine::HostSession&) -> Json { return logic.openNames(); };
    hosts.addFields = [&](Json& report) {
        const auto layout = pcb.layout();
        report["layout"] = layout ? Json(layout->parts) : Json(nullptr);
        report["host_calls"] = logic.callCount();
    };
    hosts.journalFolder = *journals.path();
    return runRunner(hosts, options.runner, program);
}

int runnerMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
               const BusRun& onBus) {
    PassProgramOptions options;
    host::sim::SimState state;
    std::shared_ptr<host::CallTrace> trace;
    try {
        options = parseArguments(arguments);
        if (options.runner.help) {
            out << usage << "\n"
                << help << commonOptionsHelp << exitStatusHelp
                << "2 also for a state file that cannot be read or a trace that cannot be "
                   "written.\n";
            return 0;
        }
        if (options.bus && !onBus)
            throw std::runtime_error("--bus: this build cannot reach the session bus");
        if (!options.bus)
            state = host::sim::loadStateFile(options.statePath);
        if (!options.runner.tracePath.empty())
            trace = std::make_shared<host::CallTrace>(options.runner.tracePath);
    } catch (const UsageError& problem) {
        err << program << ": " << problem.what() << "\n" << usage << "\n";
        return 2;
    } catch (const std::runtime_error& problem) {
        // A state file that cannot be read, a trace that cannot be written.
        err << program << ": " << problem.what() << "\n";
        return 2;
    }
    for (const std::string& note : options.runner.notes)
        err << program << ": " << note << "\n";
    const RunnerOutcome outcome =
        options.bus ? onBus(options, std::move(trace)) : runPass(state, options);
    out << outcome.report.dump(4) << "\n";
    return outcome.exitStatus;
}

} // namespace sequate::tools

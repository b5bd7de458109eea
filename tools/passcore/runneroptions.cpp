#include "runneroptions.h"

#include "ui/passchoice.h"

namespace sequate::tools {

const char* const commonOptionsHelp =
    "  --mode all|selected   number all components, or the selected ones by position\n"
    "  --duplicates          with --mode selected: a taken name is taken from its carrier\n"
    "  --start TEXT          the start number as typed (1)\n"
    "  --order list|across|down\n"
    "                        the walk: as PowerLogic lists the components (selected ones by\n"
    "                        position, run by run of letter code); rows from the top of the\n"
    "                        sheet, each left to right; or columns from the left, each top to\n"
    "                        bottom (list)\n"
    "  --leave-alone TEXT    components that keep their names, as typed in Leave alone, such\n"
    "                        as \"J*, TP*, U1\"; their numbers are skipped\n"
    "  --plan-only           read and plan, rename nothing; the report gives the plan\n"
    "  --no-eco              rename in the schematic only: no ECO file, PowerPCB is not asked\n"
    "                        to read one (--write-only, its earlier name, still works)\n"
    "  --eco-file PATH       write the ECO file to PATH instead of handing it to PowerPCB\n"
    "  --recover undo|keep   first settle a pass left unfinished\n"
    "  --put-back-last       instead of a pass, put back the last completed pass, schematic\n"
    "                        and layout; with --eco-file the reverse file goes to PATH where\n"
    "                        the pass's file went to a file\n"
    "  --trace FILE          write every automation call, its arguments, its answer and its\n"
    "                        time to FILE (names of the design included)\n"
    "  -h, --help            show this help\n";

const char* const exitStatusHelp =
    "Exit status: 0 the pass completed (or the last pass was put back), or there was nothing to\n"
    "do; 1 the pass (or the put-back) stopped, or start-up, Run or the plan refused, or a pass\n"
    "left unfinished could not be settled; 2 the arguments cannot be used.\n";

namespace {

const std::string& valueAfter(const std::vector<std::string>& arguments, std::size_t& i) {
    if (i + 1 >= arguments.size())
        throw UsageError(arguments[i] + " needs a value");
    return arguments[++i];
}

} // namespace

bool readCommonOption(const std::vector<std::string>& arguments, std::size_t& i,
                      RunnerOptions& options) {
    const std::string& option = arguments[i];
    if (option == "--mode") {
        const std::string& mode = valueAfter(arguments, i);
        if (mode != "all" && mode != "selected")
            throw UsageError("--mode must be all or selected, not \"" + mode + "\"");
        options.pass = true;
        options.selected = mode == "selected";
    } else if (option == "--duplicates") {
        options.duplicates = true;
    } else if (option == "--start") {
        options.startText = valueAfter(arguments, i);
    } else if (option == "--order") {
        const std::string& order = valueAfter(arguments, i);
        if (order != "list" && order != "across" && order != "down")
            throw UsageError("--order must be list, across or down, not \"" + order + "\"");
        options.order = order == "list"     ? engine::WalkOrder::Standard
                        : order == "across" ? engine::WalkOrder::AcrossThenDown
                                            : engine::WalkOrder::DownThenAcross;
    } else if (option == "--leave-alone") {
        options.leaveAloneText = valueAfter(arguments, i);
        if (const auto parsed = engine::parseLeaveAlone(options.leaveAloneText); !parsed.leaveAlone)
            throw UsageError(
                "--leave-alone: " +
                ui::refusalMessage({engine::PassRefusal::Box::LeaveAlone, {}, parsed.refusedEntry})
                    .text);
    } else if (option == "--plan-only") {
        options.planOnly = true;
    } else if (option == "--recover") {
        const std::string& word = valueAfter(arguments, i);
        if (word != "undo" && word != "keep")
            throw UsageError("--recover must be undo or keep, not \"" + word + "\"");
        options.recover =
            word == "undo" ? engine::RecoveryChoice::PutBack : engine::RecoveryChoice::Keep;
    } else if (option == "--put-back-last") {
        options.putBackLast = true;
    } else if (option == "--eco-file") {
        options.ecoFile = valueAfter(arguments, i);
        options.eco = engine::EcoDestination::ChosenFile;
    } else if (option == "--no-eco" || option == "--write-only") {
        options.eco = engine::EcoDestination::None;
        // The window's "Write only" writes a file; the runners' option that writes none was
        // named after it by mistake, and keeps that name for one release.
        if (option == "--write-only")
            options.notes.push_back("note: --write-only is now --no-eco (no ECO file is "
                                    "written); --write-only will be removed in the next release");
    } else if (option == "--help" || option == "-h") {
        options.help = true;
    } else if (option == "--trace") {
        options.tracePath = valueAfter(arguments, i);
    } else {
        return false;
    }
    return true;
}

void checkCommonOptions(const RunnerOptions& options) {
    if (!options.pass && !options.recover && !options.putBackLast)
        throw UsageError("--mode is missing");
    if (options.pass && options.putBackLast)
        throw UsageError("--mode and --put-back-last: choose one");
    if (options.duplicates && !options.selected)
        throw UsageError("--duplicates only applies to --mode selected");
    if (options.ecoFile && options.eco != engine::EcoDestination::ChosenFile)
        throw UsageError("--eco-file and --no-eco: choose one");
}

engine::RequestOrRefusal passRequest(const RunnerOptions& options) {
    return engine::requestPass(
        options.selected ? engine::PassScope::SelectedComponents : engine::PassScope::AllComponents,
        options.duplicates ? engine::TakenNamePolicy::RenameDuplicates
                           : engine::TakenNamePolicy::AssignNextFree,
        options.startText, options.eco, options.order, options.leaveAloneText);
}

} // namespace sequate::tools

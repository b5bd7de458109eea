#include "runneroptions.h"

namespace sequate::tools {

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
    } else if (option == "--write-only") {
        options.eco = engine::EcoDestination::None;
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
        throw UsageError("--eco-file and --write-only: choose one");
}

engine::RequestOrRefusal passRequest(const RunnerOptions& options) {
    return engine::requestPass(options.selected ? engine::PassScope::SelectedComponents
                                                : engine::PassScope::AllComponents,
                               options.duplicates ? engine::TakenNamePolicy::RenameDuplicates
                                                  : engine::TakenNamePolicy::AssignNextFree,
                               options.startText, options.eco);
}

} // namespace sequate::tools

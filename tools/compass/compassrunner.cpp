#include "compassrunner.h"

#include "describe.h"
#include "host/com/comrunningobjects.h"
#include "tools/passcore/runnercore.h"

#include <charconv>

namespace sequate::tools {

namespace {

constexpr const char* program = "sequate-pass-com";

constexpr const char* usage =
    "usage: sequate-pass-com [--recover undo|keep] --mode all|selected [--duplicates] "
    "[--start TEXT] [--order list|across|down] [--leave-alone TEXT] [--plan-only] "
    "[--no-eco|--eco-file PATH] [--timeout MS] [--trace FILE]\n"
    "       sequate-pass-com [--recover undo|keep] --put-back-last [--eco-file PATH] "
    "[--timeout MS] [--trace FILE]\n"
    "       sequate-pass-com --describe [--timeout MS] [--trace FILE]\n"
    "       sequate-pass-com --help";

constexpr const char* help =
    "One numbering pass over the schematic open in the running PowerLogic, through COM, as a\n"
    "user pressing Run would; the report comes as JSON on standard output.\n";

constexpr const char* comOptionsHelp =
    "  --timeout MS          give up on a call after MS milliseconds (30000)\n"
    "  --describe            rename nothing: for every operation Sequate calls, print what the\n"
    "                        running PowerLogic and PowerPCB declare at its slot and whether\n"
    "                        Sequate accepts it; exit 0 when every one is accepted\n";

struct ComOptions {
    RunnerOptions runner;
    bool describe = false;
    int timeoutMs = 30000;
};

ComOptions parse(const std::vector<std::string>& arguments) {
    ComOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (readCommonOption(arguments, i, options.runner))
            continue;
        if (argument == "--describe") {
            options.describe = true;
        } else if (argument == "--timeout") {
            if (i + 1 >= arguments.size())
                throw UsageError("--timeout needs a value");
            const std::string& text = arguments[++i];
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), options.timeoutMs);
            if (error != std::errc() || end != text.data() + text.size() || options.timeoutMs <= 0)
                throw UsageError("--timeout takes milliseconds, not \"" + text + "\"");
        } else {
            throw UsageError("unknown option " + argument);
        }
    }
    if (options.runner.help || options.describe) {
        if (options.runner.pass || options.runner.recover || options.runner.putBackLast)
            throw UsageError("--describe and --help run no pass");
        return options;
    }
    checkCommonOptions(options.runner);
    return options;
}

} // namespace

int comRunnerMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    ComOptions options;
    std::shared_ptr<host::CallTrace> trace;
    try {
        options = parse(arguments);
        if (!options.runner.tracePath.empty())
            trace = std::make_shared<host::CallTrace>(options.runner.tracePath);
    } catch (const std::runtime_error& problem) {
        err << program << ": " << problem.what() << "\n" << usage << "\n";
        return 2;
    }
    if (options.runner.help) {
        out << usage << "\n" << help << commonOptionsHelp << comOptionsHelp << exitStatusHelp;
        return 0;
    }
    for (const std::string& note : options.runner.notes)
        err << program << ": " << note << "\n";
    Json log = Json::array();
    host::com::ComRunningObjects objects(
        options.timeoutMs, [&](const std::string& line) { log.push_back(line); },
        trace ? trace : host::CallTrace::fromEnvironment());
    if (options.describe)
        return describeTypes(objects, out) ? 0 : 1;
    RunnerHosts hosts{objects};
    hosts.refusal = [&] {
        return refusedTypes(objects, options.runner.eco == engine::EcoDestination::PowerPcb);
    };
    hosts.addFields = [&](Json& report) { report["log"] = log; };
    const RunnerOutcome outcome = runRunner(hosts, options.runner, program);
    out << outcome.report.dump(4) << "\n";
    return outcome.exitStatus;
}

} // namespace sequate::tools

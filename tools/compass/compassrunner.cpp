#include "compassrunner.h"

#include "describe.h"
#include "eco/ecotext.h"
#include "eco/layouthandoff.h"
#include "engine/recovery.h"
#include "engine/runcommand.h"
#include "engine/startup.h"
#include "host/com/comrunningobjects.h"

#include <charconv>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>

namespace sequate::tools {

namespace {

using Json = nlohmann::json;

constexpr const char* usage =
    "usage: sequate-pass-com [--recover undo|keep] --mode all|selected [--duplicates] "
    "[--start TEXT] [--write-only] [--timeout MS] [--trace FILE]\n"
    "       sequate-pass-com --describe [--timeout MS] [--trace FILE]\n"
    "       sequate-pass-com --help";

constexpr const char* help =
    "One numbering pass over the schematic open in the running PowerLogic, through COM, as a\n"
    "user pressing Run would; the report comes as JSON on standard output.\n"
    "  --mode all|selected   number all components, or the selected ones by position\n"
    "  --duplicates          with --mode selected: a taken name is taken from its carrier\n"
    "  --start TEXT          the start number as typed (1)\n"
    "  --write-only          rename in the schematic only; PowerPCB is not asked to read\n"
    "  --recover undo|keep   first settle a pass left unfinished\n"
    "  --timeout MS          give up on a call after MS milliseconds (30000)\n"
    "  --trace FILE          write every automation call, its arguments, its answer and its\n"
    "                        time to FILE (names of the design included)\n"
    "  --describe            rename nothing: for every operation Sequate calls, print what the\n"
    "                        running PowerLogic and PowerPCB declare at its slot and whether\n"
    "                        Sequate accepts it; exit 0 when every one is accepted\n";

struct Options {
    bool describe = false;
    bool help = false;
    std::string trace;
    bool pass = false;
    bool selected = false;
    bool duplicates = false;
    bool handOff = true;
    std::string startText = "1";
    int timeoutMs = 30000;
    std::optional<engine::RecoveryChoice> recover;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Options parse(const std::vector<std::string>& arguments) {
    Options options;
    std::optional<std::string> mode;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size())
                throw UsageError(argument + " needs a value");
            return arguments[++i];
        };
        if (argument == "--mode")
            mode = value();
        else if (argument == "--describe")
            options.describe = true;
        else if (argument == "--help")
            options.help = true;
        else if (argument == "--trace")
            options.trace = value();
        else if (argument == "--start")
            options.startText = value();
        else if (argument == "--duplicates")
            options.duplicates = true;
        else if (argument == "--write-only")
            options.handOff = false;
        else if (argument == "--timeout") {
            const std::string& text = value();
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), options.timeoutMs);
            if (error != std::errc() || end != text.data() + text.size() || options.timeoutMs <= 0)
                throw UsageError("--timeout takes milliseconds, not \"" + text + "\"");
        } else if (argument == "--recover") {
            const std::string& word = value();
            if (word != "undo" && word != "keep")
                throw UsageError("--recover must be undo or keep, not \"" + word + "\"");
            options.recover =
                word == "undo" ? engine::RecoveryChoice::PutBack : engine::RecoveryChoice::Keep;
        } else
            throw UsageError("unknown argument " + argument);
    }
    if (options.help || options.describe) {
        if (mode || options.recover)
            throw UsageError("--describe and --help run no pass");
        return options;
    }
    if (!mode && !options.recover)
        throw UsageError("--mode is missing");
    options.pass = mode.has_value();
    if (mode && *mode != "all" && *mode != "selected")
        throw UsageError("--mode must be all or selected, not \"" + *mode + "\"");
    options.selected = mode == "selected";
    if (options.duplicates && !options.selected)
        throw UsageError("--duplicates only applies to --mode selected");
    return options;
}

// The ECO file is ISO 8859-1; JSON is UTF-8.
std::string utf8FromLatin1(const std::string& bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

Json openNames(const engine::HostSession& state) {
    try {
        Json names = Json::array();
        const auto list = state.document->ComponentSet()->Objects();
        for (std::int32_t i = 1, count = list->Count(); i <= count; ++i)
            names.push_back(list->Item(i)->Name());
        return names;
    } catch (const std::exception&) {
        return nullptr;
    }
}

Json report(const std::optional<engine::PassResult>& result, const HandOffWindow& window,
            const engine::HostSession& state) {
    Json renames = Json::array();
    Json unnamed = Json::array();
    Json stopped = nullptr;
    if (result) {
        for (const engine::Rename& rename : result->renamesInEffect())
            renames.push_back({rename.before, rename.after});
        unnamed = result->unnamed;
        if (!result->completed)
            stopped = result->stopMessage;
    }
    Json messages = Json::array();
    for (const engine::ShownMessage& message : window.messages)
        messages.push_back(message.text);
    return {
        {"renames", renames},
        {"unnamed", unnamed},
        {"names", state.document ? openNames(state) : Json(nullptr)},
        {"eco", window.ecoWritten ? Json(utf8FromLatin1(*window.ecoWritten)) : Json(nullptr)},
        {"stopped", stopped},
        {"messages", messages},
    };
}

} // namespace

host::EcoDelivery HandOffWindow::handToPowerPcb(host::LogicApplication& powerLogic,
                                                const engine::EcoRows& rows) {
    engine::HeadlessWindow::handToPowerPcb(powerLogic, rows);
    const host::EcoDelivery delivery = eco::sendEcoToLayout(powerLogic, mObjects, rows.oldNames(),
                                                            rows.newNames(), rows.beforeHandOver);
    if (delivery.outcome != host::EcoOutcome::NotDelivered)
        ecoWritten = eco::ecoText(rows.oldNames(), rows.newNames());
    return delivery;
}

host::EcoDelivery HandOffWindow::writeToChosenFile(const engine::EcoRows& rows) {
    engine::HeadlessWindow::writeToChosenFile(rows);
    return {host::EcoOutcome::NotDelivered,
            "sequate-pass-com writes no ECO file where a window would ask for one: hand it to "
            "PowerPCB instead."};
}

std::string HandOffWindow::whyPowerPcbCannotTake() {
    return eco::layoutUnreachable(mObjects);
}

int comRunnerMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    Options options;
    std::shared_ptr<host::CallTrace> trace;
    try {
        options = parse(arguments);
        if (!options.trace.empty())
            trace = std::make_shared<host::CallTrace>(options.trace);
    } catch (const std::runtime_error& problem) {
        err << "sequate-pass-com: " << problem.what() << "\n" << usage << "\n";
        return 2;
    }
    if (options.help) {
        out << usage << "\n" << help;
        return 0;
    }
    Json log = Json::array();
    host::com::ComRunningObjects objects(
        options.timeoutMs, [&](const std::string& line) { log.push_back(line); },
        trace ? trace : host::CallTrace::fromEnvironment());
    if (options.describe)
        return describeTypes(objects, out) ? 0 : 1;
    engine::HostSession state;
    HandOffWindow window(objects);
    std::optional<engine::PassResult> result;
    int status = 0;
    Json done;
    if (const auto refusal = refusedTypes(objects, options.handOff)) {
        window.messages.push_back({engine::MessageKind::Failure, "Sequate", *refusal});
        status = 1;
        done = report(result, window, state);
    } else if (engine::startUp(state, window, window, objects) != engine::StartupOutcome::Running) {
        status = 1;
        done = report(result, window, state);
    } else {
        // A recovery that keeps a pass's renames sends them where a pass would.
        const engine::EcoDestination eco =
            options.handOff ? engine::EcoDestination::PowerPcb : engine::EcoDestination::None;
        Json recovered = nullptr;
        if (options.recover) {
            const auto outcome =
                engine::recoverUnfinishedPass(state, window.ports(), eco, options.recover);
            if (outcome.done)
                recovered = *outcome.done == engine::RecoveryChoice::PutBack ? "undo" : "keep";
        }
        const engine::RequestOrRefusal asked =
            engine::requestPass(options.selected ? engine::PassScope::SelectedComponents
                                                 : engine::PassScope::AllComponents,
                                options.duplicates ? engine::TakenNamePolicy::RenameDuplicates
                                                   : engine::TakenNamePolicy::AssignNextFree,
                                options.startText, eco);
        if (options.pass)
            result = engine::pressRun(state, window.ports(), asked);
        // Start-up that took up no document leaves nothing to do.
        status = (options.pass && !result) || !state.document ? 1 : 0;
        done = report(result, window, state);
        done["recovered"] = recovered;
    }
    done["log"] = log;
    out << done.dump(4) << "\n";
    return status;
}

} // namespace sequate::tools

#include "passrunner.h"

#include "eco/ecofiledialog.h"
#include "eco/ecotext.h"
#include "eco/layouthandoff.h"
#include "engine/headlesswindow.h"
#include "engine/runcommand.h"
#include "engine/startup.h"
#include "host/dbus/dbusrunningobjects.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "host/sim/statefile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <optional>

namespace sequate::tools {

namespace {

constexpr const char* usage =
    "usage: sequate-pass STATE.json|--bus [--recover undo|keep] --mode all|selected "
    "[--duplicates] [--start TEXT] [--plan-only] [--eco-file PATH] [--trace FILE (with --bus)]";

// The headless window with the real ECO hand-off to the simulated PowerPCB, and the real
// "Write only" to the file the options name, as if the user had chosen it in the save dialog.
class RunnerWindow : public engine::HeadlessWindow, private eco::EcoUi {
public:
    RunnerWindow(host::RunningObjects& objects, host::sim::SimPowerPcb* pcb,
                 std::optional<std::string> ecoFile)
        : mObjects(objects), mEcoFile(std::move(ecoFile)) {
        if (pcb)
            pcb->setCallObserver([this](const std::string& call) {
                if (call == "PcbDocument.ReadEcoFile")
                    mHandedOver = true;
            });
    }

    host::EcoDelivery handToPowerPcb(host::LogicApplication& powerLogic,
                                     const engine::EcoRows& rows) override {
        engine::HeadlessWindow::handToPowerPcb(powerLogic, rows);
        mHandedOver = false;
        const host::EcoDelivery delivery = eco::sendEcoToLayout(
            powerLogic, mObjects, rows.oldNames(), rows.newNames(), rows.beforeHandOver);
        // PowerPCB is asked to read the file only once it has been written.
        if (mHandedOver || delivery.outcome == host::EcoOutcome::Delivered)
            ecoWritten = eco::ecoText(rows.oldNames(), rows.newNames());
        return delivery;
    }

    // Without --eco-file there is no file to write: saying Delivered would let a pass or a
    // recovery believe the layout can follow.
    host::EcoDelivery writeToChosenFile(const engine::EcoRows& rows) override {
        engine::HeadlessWindow::writeToChosenFile(rows);
        if (!mEcoFile)
            return {host::EcoOutcome::NotDelivered,
                    "The ECO file was not written: sequate-pass writes one only to the file "
                    "that --eco-file names."};
        const host::EcoDelivery delivery =
            eco::writeEcoFile(rows.oldNames(), rows.newNames(), *this, rows.beforeHandOver);
        if (delivery.outcome == host::EcoOutcome::Delivered)
            ecoWritten = eco::ecoText(rows.oldNames(), rows.newNames());
        return delivery;
    }

    std::string whyPowerPcbCannotTake() override { return eco::layoutUnreachable(mObjects); }

    std::optional<std::string> ecoWritten;

private:
    std::optional<std::string> chooseSaveFile(const std::string&) override { return mEcoFile; }

    host::RunningObjects& mObjects;
    std::optional<std::string> mEcoFile;
    bool mHandedOver = false;
};

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

QJsonArray textList(const std::vector<std::string>& values) {
    QJsonArray list;
    for (const std::string& value : values)
        list.append(text(value));
    return list;
}

// "Write and force read in PCB", or "Write only" with --eco-file; a recovery that keeps a
// pass's renames sends them the same way.
engine::EcoDestination ecoDestination(const RunnerOptions& options) {
    return options.ecoFile ? engine::EcoDestination::ChosenFile : engine::EcoDestination::PowerPcb;
}

engine::RequestOrRefusal request(const RunnerOptions& options) {
    const engine::TakenNamePolicy policy = options.duplicates
                                               ? engine::TakenNamePolicy::RenameDuplicates
                                               : engine::TakenNamePolicy::AssignNextFree;
    return engine::requestPass(options.selected ? engine::PassScope::SelectedComponents
                                                : engine::PassScope::AllComponents,
                               policy, options.startText, ecoDestination(options));
}

// The hosts a run works with: the in-memory ones of a state file, or those on the bus.
struct Hosts {
    host::RunningObjects& objects;
    host::sim::SimPowerLogic* logic = nullptr;
    host::sim::SimPowerPcb* pcb = nullptr;
};

// The open schematic's names: from the simulator, or through automation; null when start-up
// took up no document.
QJsonValue openNames(const Hosts& hosts, const engine::HostSession& state) {
    if (hosts.logic)
        return textList(hosts.logic->openNames());
    if (!state.document)
        return QJsonValue::Null;
    try {
        std::vector<std::string> names;
        auto list = state.document->ComponentSet()->Objects();
        for (std::int32_t i = 1, count = list->Count(); i <= count; ++i)
            names.push_back(list->Item(i)->Name());
        return textList(names);
    } catch (const std::exception&) {
        return QJsonValue::Null;
    }
}

QJsonObject report(const std::optional<engine::PassResult>& result, const RunnerWindow& window,
                   const Hosts& hosts, const engine::HostSession& state) {
    QJsonArray renames;
    QJsonArray unnamed;
    QJsonValue stopped = QJsonValue::Null;
    if (result) {
        for (const engine::Rename& rename : result->renamesInEffect())
            renames.append(QJsonArray{text(rename.before), text(rename.after)});
        unnamed = textList(result->unnamed);
        if (!result->completed)
            stopped = text(result->stopMessage);
    }
    QJsonArray messages;
    for (const engine::ShownMessage& message : window.messages)
        messages.append(text(message.text));
    const auto layout = hosts.pcb ? hosts.pcb->layout() : std::nullopt;
    return QJsonObject{
        {"renames", renames},
        {"unnamed", unnamed},
        {"names", openNames(hosts, state)},
        // The file is ISO 8859-1, as PowerPCB reads it.
        {"eco", window.ecoWritten ? QJsonValue(QString::fromLatin1(*window.ecoWritten))
                                  : QJsonValue::Null},
        {"layout", layout ? QJsonValue(textList(layout->parts)) : QJsonValue::Null},
        {"stopped", stopped},
        {"messages", messages},
        {"host_calls", hosts.logic ? QJsonValue(static_cast<double>(hosts.logic->callCount()))
                                   : QJsonValue::Null},
    };
}

// What a pass would do, with nothing renamed: the plan's renames in order, temporary names
// included, and the names the schematic keeps.
RunnerOutcome planReport(engine::HostSession& state, RunnerWindow& window, const Hosts& hosts,
                         const engine::PassRequest& request) {
    const engine::PlanPreview preview = engine::previewPass(state, window.ports(), request);
    QJsonArray renames;
    for (const engine::Rename& rename : preview.plan.renames)
        renames.append(QJsonArray{text(rename.before), text(rename.after)});
    return {0, QJsonObject{
                   {"plan", renames},
                   {"unnamed", textList(preview.plan.unnamed)},
                   {"names", openNames(hosts, state)},
                   {"stopped",
                    preview.plan.stop ? QJsonValue(text(*preview.plan.stop)) : QJsonValue::Null},
               }};
}

engine::RecoveryChoice recoveryChoice(const std::string& word) {
    if (word == "undo")
        return engine::RecoveryChoice::PutBack;
    if (word == "keep")
        return engine::RecoveryChoice::Keep;
    throw UsageError("--recover must be undo or keep, not \"" + word + "\"");
}

const char* recoveryWord(const std::optional<engine::RecoveryChoice>& done) {
    if (!done)
        return nullptr;
    return *done == engine::RecoveryChoice::PutBack ? "undo" : "keep";
}

// Start-up, then the recovery and the pass that the options ask for; journals go to
// journalFolder when one is given.
RunnerOutcome run(const Hosts& hosts, const RunnerOptions& options,
                  const std::optional<std::filesystem::path>& journalFolder = std::nullopt) {
    engine::HostSession formState;
    if (journalFolder)
        formState.journalFolder = *journalFolder;
    RunnerWindow window(hosts.objects, hosts.pcb, options.ecoFile);
    std::optional<engine::PassResult> result;
    if (engine::startUp(formState, window, window, hosts.objects) !=
        engine::StartupOutcome::Running)
        return {1, report(result, window, hosts, formState)};
    // A start-up failure other than "not running" or "no project" leaves the window without a
    // document, as the program does; whatever is asked then is refused.
    const int refused = formState.document ? 0 : 1;
    QJsonValue recovered = QJsonValue::Null;
    if (options.recover) {
        const auto outcome = engine::recoverUnfinishedPass(
            formState, window.ports(), ecoDestination(options), options.recover);
        if (const char* word = recoveryWord(outcome.done))
            recovered = word;
    }
    if (!options.pass) {
        QJsonObject only = report(result, window, hosts, formState);
        only["recovered"] = recovered;
        return {refused, only};
    }
    const engine::RequestOrRefusal asked = request(options);
    if (!asked.request && options.planOnly)
        return {1, QJsonObject{{"stopped", text(asked.refusal)}}};
    if (options.planOnly) {
        RunnerOutcome plan = planReport(formState, window, hosts, *asked.request);
        plan.exitStatus = std::max(plan.exitStatus, refused);
        return plan;
    }
    result = engine::pressRun(formState, window.ports(), asked);
    QJsonObject done = report(result, window, hosts, formState);
    done["recovered"] = recovered;
    return {result && !refused ? 0 : 1, done};
}

std::string valueAfter(const std::vector<std::string>& arguments, std::size_t& i) {
    if (i + 1 >= arguments.size())
        throw UsageError(arguments[i] + " needs a value");
    return arguments[++i];
}

} // namespace

RunnerOptions parseArguments(const std::vector<std::string>& arguments) {
    RunnerOptions options;
    std::optional<std::string> mode;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--mode")
            mode = valueAfter(arguments, i);
        else if (argument == "--start")
            options.startText = valueAfter(arguments, i);
        else if (argument == "--duplicates")
            options.duplicates = true;
        else if (argument == "--plan-only")
            options.planOnly = true;
        else if (argument == "--bus")
            options.bus = true;
        else if (argument == "--recover")
            options.recover = recoveryChoice(valueAfter(arguments, i));
        else if (argument == "--eco-file")
            options.ecoFile = valueAfter(arguments, i);
        else if (argument == "--trace")
            options.tracePath = valueAfter(arguments, i);
        else if (argument.starts_with("--"))
            throw UsageError("unknown option " + argument);
        else if (!options.statePath.empty())
            throw UsageError("more than one state file: " + options.statePath + " and " + argument);
        else
            options.statePath = argument;
    }
    if (options.statePath.empty() && !options.bus)
        throw UsageError("no state file given");
    if (!options.statePath.empty() && options.bus)
        throw UsageError("a state file and --bus: choose one");
    if (!options.tracePath.empty() && !options.bus)
        throw UsageError("--trace needs --bus: the state file's hosts make no automation calls");
    options.pass = mode.has_value();
    if (!mode && !options.recover)
        throw UsageError("--mode is missing");
    if (!mode)
        return options;
    if (*mode != "all" && *mode != "selected")
        throw UsageError("--mode must be all or selected, not \"" + *mode + "\"");
    options.selected = *mode == "selected";
    if (options.duplicates && !options.selected)
        throw UsageError("--duplicates only applies to --mode selected");
    return options;
}

RunnerOutcome runPass(const host::sim::SimState& state, const RunnerOptions& options) {
    host::sim::SimPowerLogic logic(state.documents);
    host::sim::SimPowerPcb pcb(host::sim::startingLayout(state));
    host::sim::SimRunningObjects objects(&logic, &pcb);
    // Hosts in memory end with the run, so no journal of it can ever be recovered; in the
    // user's data folder it would only meet a later run against the real schematic.
    const QTemporaryDir journals;
    if (!journals.isValid())
        return {1, QJsonObject{{"messages",
                                QJsonArray{"Cannot create a temporary folder for the journal: " +
                                           journals.errorString()}}}};
    return run({objects, &logic, &pcb}, options, journals.path().toStdString());
}

RunnerOutcome runOnBus(const RunnerOptions& options, std::shared_ptr<host::CallTrace> trace) {
    int argc = 1;
    char name[] = "sequate-pass";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    host::dbus::DbusRunningObjects objects;
    if (trace)
        objects.traceTo(std::move(trace));
    return run({objects}, options);
}

int runnerMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    RunnerOptions options;
    host::sim::SimState state;
    std::shared_ptr<host::CallTrace> trace;
    try {
        options = parseArguments(arguments);
        if (!options.bus)
            state = host::sim::loadStateFile(options.statePath);
        if (!options.tracePath.empty())
            trace = std::make_shared<host::CallTrace>(options.tracePath);
    } catch (const UsageError& problem) {
        err << "sequate-pass: " << problem.what() << "\n" << usage << "\n";
        return 2;
    } catch (const std::runtime_error& problem) {
        // A state file that cannot be read, a trace that cannot be written.
        err << "sequate-pass: " << problem.what() << "\n";
        return 2;
    }
    const RunnerOutcome outcome =
        options.bus ? runOnBus(options, std::move(trace)) : runPass(state, options);
    out << QJsonDocument(outcome.report).toJson(QJsonDocument::Indented).toStdString();
    return outcome.exitStatus;
}

} // namespace sequate::tools

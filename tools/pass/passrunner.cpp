#include "passrunner.h"

#include "eco/ecooutput.h"
#include "engine/runcommand.h"
#include "engine/startup.h"
#include "headlesswindow.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "host/sim/statefile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <optional>

namespace sequate::tools {

namespace {

constexpr const char* usage =
    "usage: sequate-pass STATE.json --mode all|selected [--duplicates] [--start TEXT] "
    "[--plan-only]";

// The headless window with the real ECO hand-off to the simulated PowerPCB.
class RunnerWindow : public HeadlessWindow, private eco::EcoUi {
public:
    RunnerWindow(host::RunningObjects& objects, host::sim::SimPowerPcb& pcb) : mObjects(objects) {
        pcb.setCallObserver([this](const std::string& call) {
            if (call == "PcbDocument.ReadEcoFile")
                mHandedOver = true;
        });
    }

    host::EcoDelivery AlsoInPCB(const engine::FormState& state) override {
        HeadlessWindow::AlsoInPCB(state);
        mHandedOver = false;
        const host::EcoDelivery delivery =
            eco::AlsoInPCB(*state.powerLogicApp, mObjects, state.oldNames, state.newNames);
        // PowerPCB is asked to read the file only once it has been written.
        if (mHandedOver)
            ecoWritten = eco::ecoText(state.oldNames, state.newNames);
        return delivery;
    }

    std::string layoutUnreachable() override { return eco::layoutUnreachable(mObjects); }

    std::optional<std::string> ecoWritten;

private:
    std::optional<std::string> chooseSaveFile(const std::string&) override { return std::nullopt; }

    host::RunningObjects& mObjects;
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

Controls runControls(const RunnerOptions& options) {
    Controls controls = options.selected
                            ? Controls::selectedComponents(options.startText, options.duplicates)
                            : Controls::allComponents(options.startText);
    controls.chkSend = true;
    controls.optECO = false;
    controls.optDirect = true;
    return controls;
}

QJsonObject report(const std::optional<engine::PassResult>& result, const RunnerWindow& window,
                   const host::sim::SimPowerLogic& logic, const host::sim::SimPowerPcb& pcb) {
    QJsonArray renames;
    QJsonArray unnamed;
    QJsonValue stopped = QJsonValue::Null;
    if (result) {
        for (const auto& [before, after] : result->renames)
            renames.append(QJsonArray{text(before), text(after)});
        unnamed = textList(result->unnamed);
        if (!result->completed)
            stopped = text(result->stopMessage);
    }
    QJsonArray messages;
    for (const ShownMessage& message : window.messages)
        messages.append(text(message.text));
    const auto layout = pcb.layout();
    return QJsonObject{
        {"renames", renames},
        {"unnamed", unnamed},
        {"names", textList(logic.openNames())},
        // The file is ISO 8859-1, as PowerPCB reads it.
        {"eco", window.ecoWritten ? QJsonValue(QString::fromLatin1(*window.ecoWritten))
                                  : QJsonValue::Null},
        {"layout", layout ? QJsonValue(textList(layout->parts)) : QJsonValue::Null},
        {"stopped", stopped},
        {"messages", messages},
        {"host_calls", static_cast<double>(logic.callCount())},
    };
}

// What a pass would do, with nothing renamed: the plan's renames in order, temporary names
// included, and the names the schematic keeps.
RunnerOutcome planReport(engine::FormState& state, RunnerWindow& window,
                         const host::sim::SimPowerLogic& logic) {
    const bool selected = window.controls.optSelected;
    if (engine::CheckTextBox(window.startText()))
        return {1, QJsonObject{{"stopped", text(selected ? "Illegal value in Start textbox"
                                                         : "Illegal Value")}}};
    const auto scope =
        selected ? engine::PassScope::SelectedComponents : engine::PassScope::AllComponents;
    const engine::PlanPreview preview = engine::previewPass(state, window, scope);
    QJsonArray renames;
    for (const engine::PlannedRename& rename : preview.plan.renames)
        renames.append(QJsonArray{text(rename.from), text(rename.to)});
    return {0, QJsonObject{
                   {"plan", renames},
                   {"unnamed", textList(preview.plan.unnamed)},
                   {"names", textList(logic.openNames())},
                   {"stopped",
                    preview.plan.stop ? QJsonValue(text(*preview.plan.stop)) : QJsonValue::Null},
                   {"host_calls", static_cast<double>(logic.callCount())},
               }};
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
        else if (argument.starts_with("--"))
            throw UsageError("unknown option " + argument);
        else if (!options.statePath.empty())
            throw UsageError("more than one state file: " + options.statePath + " and " + argument);
        else
            options.statePath = argument;
    }
    if (options.statePath.empty())
        throw UsageError("no state file given");
    if (!mode)
        throw UsageError("--mode is missing");
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
    engine::FormState formState;
    RunnerWindow window(objects, pcb);

    std::optional<engine::PassResult> result;
    if (engine::Form_Load(formState, window, objects) != engine::StartupOutcome::Running)
        return {1, report(result, window, logic, pcb)};
    window.controls = runControls(options);
    if (options.planOnly)
        return planReport(formState, window, logic);
    result = engine::pressRun(formState, window);
    return {result ? 0 : 1, report(result, window, logic, pcb)};
}

int runnerMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    RunnerOptions options;
    host::sim::SimState state;
    try {
        options = parseArguments(arguments);
        state = host::sim::loadStateFile(options.statePath);
    } catch (const UsageError& problem) {
        err << "sequate-pass: " << problem.what() << "\n" << usage << "\n";
        return 2;
    } catch (const host::sim::StateFileError& problem) {
        err << "sequate-pass: " << problem.what() << "\n";
        return 2;
    }
    const RunnerOutcome outcome = runPass(state, options);
    out << QJsonDocument(outcome.report).toJson(QJsonDocument::Indented).toStdString();
    return outcome.exitStatus;
}

} // namespace sequate::tools

#include "runnercore.h"

#include "engine/componentlist.h"
#include "engine/numberingpass.h"
#include "engine/putbacklastpass.h"
#include "engine/runcommand.h"
#include "engine/startup.h"
#include "engine/workinglist.h"
#include "host/utf8.h"
#include "runnerwindow.h"
#include "ui/dialogtexts.h"
#include "ui/firewall.h"
#include "ui/passchoice.h"
#include "ui/passmessages.h"
#include "ui/putbacktexts.h"

#include <variant>

namespace sequate::tools {

namespace {

Json namesThroughAutomation(const engine::HostSession& state) {
    if (!state.document)
        return nullptr;
    // Every object is checked on the way: a PowerLogic that answers "no object" leaves the
    // names unknown, as a failed call does.
    try {
        const auto list = engine::allComponents(*state.document);
        return engine::readComponentList(*list, list->Count()).names;
    } catch (const std::exception&) {
        return nullptr;
    }
}

Json renameRows(const std::vector<engine::Rename>& renames) {
    Json rows = Json::array();
    for (const engine::Rename& rename : renames)
        rows.push_back({rename.before, rename.after});
    return rows;
}

class Run {
public:
    Run(const RunnerHosts& hosts, const RunnerOptions& options, const std::string& program)
        : mHosts(hosts), mOptions(options), mWindow(hosts.objects, options.ecoFile, program) {
        if (hosts.journalFolder)
            mState.journalFolder = *hosts.journalFolder;
    }

    RunnerOutcome run() {
        if (mHosts.refusal) {
            if (const auto refusal = mHosts.refusal()) {
                mWindow.messages.push_back({engine::MessageKind::Failure, "Sequate", *refusal});
                return {1, report()};
            }
        }
        const auto started = ui::behindFirewall(ui::Undertaking::StartUp, tell(), [&] {
            return engine::startUp(mState, mWindow, mHosts.objects);
        });
        if (started && *started != engine::StartupOutcome::Running) {
            tell()(ui::startupFailure(*started, false));
            return {1, report()};
        }
        // A start-up failure other than "not running" or "no project" leaves the window
        // without a document, as the program does; whatever is asked then is refused.
        const int refused = mState.document ? 0 : 1;
        Json recovered = nullptr;
        int unsettled = 0;
        if (mOptions.recover) {
            const auto outcome = engine::recoverUnfinishedPass(mState, mWindow.ports(),
                                                               mOptions.eco, mOptions.recover);
            if (outcome.done)
                recovered = *outcome.done == engine::RecoveryChoice::PutBack ? "undo" : "keep";
            // A journal found but not settled (cut short, set aside, or acted on but left) is not
            // "nothing to do".
            unsettled = outcome.found && (!outcome.done || !outcome.passMayFollow) ? 1 : 0;
        }
        if (mOptions.putBackLast) {
            // Asked for on the command line: the preview is not shown, the put-back is made.
            mPutBack = engine::putBackLastPass(
                mState, mWindow.ports(), [](const engine::PutBackPreview&) { return true; },
                mOptions.eco);
            if (const auto said = ui::putBackMessage(*mPutBack))
                tell()(*said);
            return {mPutBack->done() ? 0 : 1, report(recovered)};
        }
        if (!mOptions.pass) {
            if (refused)
                mWindow.messages.push_back(
                    {engine::MessageKind::Failure, "Sequate",
                     "Start-up took up no PowerLogic document, so no pass left unfinished could "
                     "be looked for."});
            return {refused | unsettled, report(recovered)};
        }
        const engine::RequestOrRefusal asked = passRequest(mOptions);
        if (!asked.request) {
            // Told as the Run button tells it, and no pass runs.
            const ui::Message refusal = ui::refusalMessage(*asked.refusal);
            if (mOptions.planOnly)
                return {1, Json{{"stopped", refusal.text}}};
            mWindow.showMessage(refusal.kind, refusal.title, refusal.text);
            return {1, report(recovered)};
        }
        if (mOptions.planOnly) {
            Json planned = plan(*asked.request);
            return {planned["stopped"].is_null() ? refused : 1, std::move(planned)};
        }
        auto ran = ui::behindFirewall(ui::Undertaking::Pass, tell(), [&] {
            return engine::pressRun(mState, mWindow.ports(), *asked.request);
        });
        if (ran && *ran) {
            mResult = std::move(**ran);
            ui::tellPassOutcome(mWindow, *mResult);
        }
        // A script tells a pass that completed from one that stopped or was refused.
        const bool completed = mResult && std::holds_alternative<engine::PassCompleted>(*mResult);
        return {completed && !refused ? 0 : 1, report(recovered)};
    }

private:
    // The runner's window shows a box by keeping it for the report.
    std::function<void(const ui::Message&)> tell() {
        return [this](const ui::Message& message) {
            mWindow.showMessage(message.kind, message.title, message.text);
        };
    }

    Json names() const {
        return mHosts.names ? mHosts.names(mState) : namesThroughAutomation(mState);
    }

    Json withFields(Json report) const {
        if (mHosts.addFields)
            mHosts.addFields(report);
        return report;
    }

    Json report(std::optional<Json> recovered = std::nullopt) const {
        Json renames = Json::array();
        Json unnamed = Json::array();
        Json stopped = nullptr;
        if (mPutBack)
            renames = renameRows(mPutBack->renames);
        const auto* completed = mResult ? std::get_if<engine::PassCompleted>(&*mResult) : nullptr;
        if (mResult) {
            renames = renameRows(engine::renamesInEffect(*mResult));
            if (completed)
                unnamed = completed->applied.unnamed;
            else
                stopped = ui::stopMessage(*mResult);
        }
        Json messages = Json::array();
        for (const engine::ShownMessage& message : mWindow.messages)
            messages.push_back(message.text);
        const auto& eco = mWindow.ecoWritten();
        Json report{
            {"renames", renames},
            {"unnamed", unnamed},
            {"names", names()},
            // The file is ISO 8859-1, as PowerPCB reads it.
            {"eco", eco ? Json(host::utf8FromLatin1(*eco)) : Json(nullptr)},
            {"stopped", stopped},
            {"messages", messages},
        };
        if (completed)
            addLeftAlone(report, completed->applied);
        if (recovered)
            report["recovered"] = *recovered;
        if (mPutBack)
            report["put_back"] = mPutBack->done();
        return withFields(std::move(report));
    }

    // What a pass would do, with nothing renamed: the plan's renames in order, temporary names
    // included, and the names the schematic keeps.
    Json plan(const engine::PassRequest& request) {
        const engine::PassPlan shown =
            ui::previewedPlan(engine::previewPass(mState, mWindow.ports(), request));
        Json planned{
            {"plan", renameRows(shown.renames)},
            {"unnamed", shown.unnamed},
            {"names", names()},
            {"stopped", shown.stop ? Json(*shown.stop) : Json(nullptr)},
        };
        addLeftAlone(planned, shown);
        return withFields(std::move(planned));
    }

    // Only with --leave-alone, so that the reports of other passes stay as they were.
    void addLeftAlone(Json& report, const engine::PassPlan& plan) const {
        if (mOptions.leaveAloneText.empty())
            return;
        report["left_alone"] = plan.leftAlone;
        report["nothing_matched"] = plan.unmatchedEntries;
    }

    const RunnerHosts& mHosts;
    const RunnerOptions& mOptions;
    engine::HostSession mState;
    RunnerWindow mWindow;
    std::optional<engine::PassOutcome> mResult;
    std::optional<engine::PutBackOutcome> mPutBack;
};

} // namespace

RunnerOutcome runRunner(const RunnerHosts& hosts, const RunnerOptions& options,
                        const std::string& program) {
    return Run(hosts, options, program).run();
}

} // namespace sequate::tools

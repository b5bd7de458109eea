#pragma once

// The engine's ports without a display: a progress that only keeps its numbers, answers a
// test sets up, and lists of what a user would have seen. The pass runners, the tests and the
// benchmarks drive the engine through it.

#include "passports.h"
#include "passrequest.h"
#include "startup.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sequate::engine {

// What a window's progress bar would have shown: every count told, and the end as 0.
class HeadlessProgress : public ProgressObserver {
public:
    void progressed(ProgressPhase phase, long long done, long long total) override;
    void progressEnded() override;
    ProgressPort port() { return {*this, mStop}; }

    // The bar's value now.
    long long value() const { return mHistory.empty() ? 0 : mHistory.back(); }
    // Every value the bar was set to, in order.
    const std::vector<long long>& history() const { return mHistory; }
    // The user asks the pass to stop once this many values have been set.
    std::optional<std::size_t> stopOnceSet;

private:
    void shown(long long value);

    std::vector<long long> mHistory;
    StopToken mStop;
};

struct ShownMessage {
    engine::MessageKind kind;
    std::string title;
    std::string text;
};

// A request as the user makes it with these options; throws std::invalid_argument when the
// start text is refused.
PassRequest allComponentsRequest(const std::string& start,
                                 EcoDestination eco = EcoDestination::None);
PassRequest selectedComponentsRequest(const std::string& start, bool renameDuplicates,
                                      EcoDestination eco = EcoDestination::None);

class HeadlessWindow : public StartupDisplay, public UserDialogs, public EcoHandOff {
public:
    // Each document the caption was set to name, and when, in order.
    std::vector<std::pair<DocumentCaption, std::string>> documentsShown;
    bool topmost = false;
    std::string startText;
    bool allComponentsChosen = false;
    int fileDialogs = 0;
    int pcbHandOffs = 0;
    std::vector<Rename> ecoRows; // the renames of the last ECO file handed over
    // How the ECO step goes, as a test sets it up.
    host::EcoDelivery delivery{host::EcoOutcome::Delivered};
    std::string layoutProblem;
    bool keepOnCancel = false;
    std::vector<WithoutEcoFile> cancelQuestions;
    bool putBackOnRecovery = true;
    std::vector<UnfinishedPass> recoveryQuestions;
    std::vector<RecoveryMessage> recoveryMessages; // kept as values: the runners word them
    std::vector<PassLockNews> passLockNews;        // kept as values: the runners word them
    std::vector<ShownMessage> messages;

    // The ECO step is the window's own, which counts and answers as set up above, unless one
    // is given: the ECO library's, for the runners and the ECO tests.
    PassPorts ports() { return {mBar.port(), *this, mEcoStep ? *mEcoStep : *this}; }
    void useEcoStep(EcoHandOff& step) { mEcoStep = &step; }
    HeadlessProgress& progressBar() { return mBar; }

    void keepOnTop(bool onTop) override { topmost = onTop; }
    void showDocument(DocumentCaption moment, const std::string& document) override {
        documentsShown.emplace_back(moment, document);
    }
    void setStartText(const std::string& text) override { startText = text; }
    void clearAllComponentsOption() override { allComponentsChosen = false; }

    host::EcoDelivery writeToChosenFile(const engine::EcoRows& rows) override;
    host::EcoDelivery handToPowerPcb(host::LogicApplication& powerLogic,
                                     const engine::EcoRows& rows) override;
    std::string whyPowerPcbCannotTake() override { return layoutProblem; }
    bool keepRenamesWithoutEco(WithoutEcoFile renames) override {
        cancelQuestions.push_back(renames);
        return keepOnCancel;
    }
    bool putBackUnfinishedPass(const UnfinishedPass& pass) override {
        recoveryQuestions.push_back(pass);
        return putBackOnRecovery;
    }
    void tellOfRecovery(const RecoveryMessage& message) override {
        recoveryMessages.push_back(message);
    }
    void tellOfPassLock(const PassLockNews& news) override { passLockNews.push_back(news); }

    void showMessage(engine::MessageKind kind, const std::string& title,
                     const std::string& text) override;

private:
    HeadlessProgress mBar;
    EcoHandOff* mEcoStep = nullptr;
};

} // namespace sequate::engine

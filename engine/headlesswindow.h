#pragma once

// The engine's ports without a display: a progress bar that only keeps its numbers, answers a
// test sets up, and lists of what a user would have seen. The pass runners, the tests and the
// benchmarks drive the engine through it.

#include "passports.h"
#include "passrequest.h"
#include "sequate/version.h"
#include "startup.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sequate::engine {

class HeadlessProgressBar : public engine::ProgressBar {
public:
    long long minimum() const override { return mMinimum; }
    long long maximum() const override { return mMaximum; }
    long long value() const override { return mValue; }
    void setMinimum(long long value) override { mMinimum = value; }
    void setMaximum(long long value) override { mMaximum = value; }
    void setValue(long long value) override;
    bool stopRequested() const override { return stopOnceSet && mHistory.size() >= *stopOnceSet; }

    // Every value the bar was set to, in order.
    const std::vector<long long>& history() const { return mHistory; }
    // The user asks the pass to stop once this many values have been set.
    std::optional<std::size_t> stopOnceSet;

private:
    long long mMinimum = 0;
    long long mMaximum = 100;
    long long mValue = 0;
    std::vector<long long> mHistory;
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
    std::string caption = productName;
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
    std::vector<std::string> cancelQuestions;
    bool putBackOnRecovery = true;
    std::vector<std::string> recoveryQuestions;
    std::vector<ShownMessage> messages;

    // The ECO step is the window's own, which counts and answers as set up above, unless one
    // is given: the ECO library's, for the runners and the ECO tests.
    PassPorts ports() { return {mBar, *this, mEcoStep ? *mEcoStep : *this}; }
    void useEcoStep(EcoHandOff& step) { mEcoStep = &step; }
    HeadlessProgressBar& progressBar() { return mBar; }

    void keepOnTop(bool onTop) override { topmost = onTop; }
    void setCaption(const std::string& text) override { caption = text; }
    void setStartText(const std::string& text) override { startText = text; }
    void clearAllComponentsOption() override { allComponentsChosen = false; }

    host::EcoDelivery writeToChosenFile(const engine::EcoRows& rows) override;
    host::EcoDelivery handToPowerPcb(host::LogicApplication& powerLogic,
                                     const engine::EcoRows& rows) override;
    std::string whyPowerPcbCannotTake() override { return layoutProblem; }
    bool keepRenamesWithoutEco(const std::string& question) override {
        cancelQuestions.push_back(question);
        return keepOnCancel;
    }
    bool putBackUnfinishedPass(const std::string& question) override {
        recoveryQuestions.push_back(question);
        return putBackOnRecovery;
    }

    void showMessage(engine::MessageKind kind, const std::string& title,
                     const std::string& text) override;

private:
    HeadlessProgressBar mBar;
    EcoHandOff* mEcoStep = nullptr;
};

} // namespace sequate::engine

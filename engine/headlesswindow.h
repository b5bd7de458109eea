#pragma once

// The main window without a display: plain values for the controls, a progress bar that only
// keeps its numbers, and lists of what a user would have seen. The pass runner, the tests and
// the benchmarks drive the engine through it.

#include "formwindow.h"

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

    // Every value the bar was set to, in order.
    const std::vector<long long>& history() const { return mHistory; }

private:
    long long mMinimum = 0;
    long long mMaximum = 100;
    long long mValue = 0;
    std::vector<long long> mHistory;
};

struct ShownMessage {
    engine::MessageStyle style;
    std::string title;
    std::string text;
};

// The states of the controls a pass reads, as the option handlers leave them.
struct Controls {
    bool optStart = false;
    bool optSelected = false;
    bool optAssign = false;
    bool optDuplicate = false;
    bool chkSend = false;
    bool optECO = false;
    bool optDirect = true;
    std::string startText;

    static Controls allComponents(const std::string& start);
    static Controls selectedComponents(const std::string& start, bool renameDuplicates);
};

class HeadlessWindow : public engine::FormWindow {
public:
    Controls controls;
    std::string caption = "Sequate 1.4";
    bool topmost = false;
    std::string notChangedText;
    int notChangedShown = 0;
    int fileDialogs = 0;
    int pcbHandOffs = 0;
    // How the ECO step goes, as a test sets it up.
    host::EcoDelivery delivery;
    std::string layoutProblem;
    bool keepOnCancel = false;
    std::vector<std::string> cancelQuestions;
    bool putBackOnRecovery = true;
    std::vector<std::string> recoveryQuestions;
    std::vector<ShownMessage> messages;

    void keepOnTop(bool onTop) override { topmost = onTop; }
    void setCaption(const std::string& text) override { caption = text; }
    void setStartText(const std::string& text) override { controls.startText = text; }
    void deselectOptStart() override { controls.optStart = false; }

    bool optStart() const override { return controls.optStart; }
    bool optSelected() const override { return controls.optSelected; }
    bool optAssign() const override { return controls.optAssign; }
    bool optDuplicate() const override { return controls.optDuplicate; }
    bool chkSend() const override { return controls.chkSend; }
    bool optECO() const override { return controls.optECO; }
    bool optDirect() const override { return controls.optDirect; }
    std::string startText() const override { return controls.startText; }
    HeadlessProgressBar& progressBar() override { return mBar; }

    void appendToReport(const std::string& text) override { notChangedText += text; }
    void showReport() override { ++notChangedShown; }

    host::EcoDelivery writeEcoFile(const engine::EcoRows& rows) override;
    host::EcoDelivery sendEcoToLayout(host::LogicApplication& powerLogic,
                                      const engine::EcoRows& rows) override;
    std::string layoutUnreachable() override { return layoutProblem; }
    bool keepRenamesWithoutEco(const std::string& question) override {
        cancelQuestions.push_back(question);
        return keepOnCancel;
    }
    bool putBackUnfinishedPass(const std::string& question) override {
        recoveryQuestions.push_back(question);
        return putBackOnRecovery;
    }

    void showMessage(engine::MessageStyle style, const std::string& title,
                     const std::string& text) override;

private:
    HeadlessProgressBar mBar;
};

} // namespace sequate::engine

#pragma once

// The progress port a pass works through in a window: the view's bar, with the window given
// its turn after every step, so that it repaints and hears End and Escape while the pass holds
// the host, and the user's request to stop, which the engine asks for between its steps.
//
// The host calls stay on the window's thread (COM's apartment rules on Windows): a pass runs
// inside the click that started it and lets the window handle its events between two calls.
// The view disables everything that could start another pass meanwhile
// (MainView::showPassRunning), and a document PowerLogic opens waits until the pass ends.

#include "engine/progressbar.h"
#include "mainview.h"

#include <optional>

namespace sequate::ui {

class PassProgress : public engine::ProgressBar {
public:
    explicit PassProgress(MainView& view) : mView(view) {}

    long long minimum() const override { return mView.progressBar().minimum(); }
    long long maximum() const override { return mView.progressBar().maximum(); }
    long long value() const override { return mView.progressBar().value(); }
    void setMinimum(long long value) override { mView.progressBar().setMinimum(value); }
    void setMaximum(long long value) override { mView.progressBar().setMaximum(value); }
    // Shows the step, then lets the window respond.
    void setValue(long long value) override;
    bool stopRequested() const override { return mStopRequested; }
    // The account line says the phase and its count at every step; the bar emptied at the end
    // of a pass leaves it blank until the pass's account comes.
    void beginPhase(engine::ProgressPhase phase) override;

    // The user asked the pass under way to stop; the next pass starts without the request.
    void requestStop() { mStopRequested = true; }
    void clearStopRequest() { mStopRequested = false; }

private:
    MainView& mView;
    bool mStopRequested = false;
    std::optional<engine::ProgressPhase> mPhase;
    bool mPhaseBegun = false; // the next value is the phase's first
};

} // namespace sequate::ui

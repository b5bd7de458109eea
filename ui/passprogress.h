#pragma once

// The progress of a pass in a window: each count the engine tells goes to the view's bar and
// to the account line (progressLine), then the window has its turn (eventpump.h), so that it
// repaints and hears End and Escape while the pass holds the host; and the user's request to
// stop, which the engine asks between its steps.
//
// The view disables everything that could start another pass meanwhile
// (MainView::showPassRunning), and a document PowerLogic opens waits until the pass ends.

#include "engine/progress.h"
#include "eventpump.h"
#include "mainview.h"

#include <optional>

namespace sequate::ui {

class PassProgress : public engine::ProgressObserver {
public:
    explicit PassProgress(MainView& view, EventPump::Clock clock = &std::chrono::steady_clock::now)
        : mView(view), mPump([&view] { view.handleWaitingEvents(); }, std::move(clock)) {}

    engine::ProgressPort port() { return {*this, mStop}; }

    // The account line says the phase and its count at every step.
    void progressed(engine::ProgressPhase phase, long long done, long long total) override;
    // The bar emptied at the end of a pass leaves the account line blank until the pass's
    // account comes.
    void progressEnded() override;

    bool stopRequested() const { return mStop.stopRequested(); }
    // The user asked the pass under way to stop.
    void requestStop() { mStop.requestStop(); }
    // A pass begins: without the last one's request to stop, the window's turn at its first step.
    void beginPass();

private:
    void show(long long done, const std::string& account);

    MainView& mView;
    EventPump mPump;
    engine::StopToken mStop;
    long long mTotal = 100; // the last phase's, which the emptied bar keeps
};

} // namespace sequate::ui

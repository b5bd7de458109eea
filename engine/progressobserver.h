#pragma once

namespace sequate::engine {

// What a pass is doing while it counts its steps, for a window to say.
enum class ProgressPhase {
    Reading,     // the components' names (and, for the selection, their places)
    Renaming,    // the renames of the plan
    PuttingBack, // the renames of a stopped or failed pass, or of one cut short
};

// Where a pass reports how far it has come. The engine keeps its own counts and only tells
// them: a window shows them on its bar and account line (ui/passprogress.h); the runners and
// the tests keep them (headlesswindow.h). Old program: prgbarEdistys, driven by the pass.
class ProgressObserver {
public:
    virtual ~ProgressObserver() = default;
    // `done` of the phase's `total` steps are done: 0 when the phase begins, then one more at
    // each step until the total. A total of 0 is a phase with nothing to count (a working list
    // of one component, or none).
    virtual void progressed(ProgressPhase phase, long long done, long long total) = 0;
    // What was counted is over (a pass, a put-back, a recovery ended): the bar empties and the
    // phase is no longer told, until the next phase begins.
    virtual void progressEnded() = 0;
};

// The user's request to stop the pass under way: the window sets it when the user asks
// (End, Escape, closing the window); the engine only asks it, after every step it reports and
// once more before its ECO step. The old program's pass could not be stopped.
class StopToken {
public:
    bool stopRequested() const { return mRequested; }
    void requestStop() { mRequested = true; }
    // The next pass starts without the request.
    void clear() { mRequested = false; }

private:
    bool mRequested = false;
};

} // namespace sequate::engine

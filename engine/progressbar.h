#pragma once

namespace sequate::engine {

// What a pass is doing while it steps the bar, for a window to say.
enum class ProgressPhase {
    Reading,     // the components' names (and, for the selection, their places)
    Renaming,    // the renames of the plan
    PuttingBack, // the renames of a stopped or failed pass, or of one cut short
};

// The window's progress bar as the pass drives it. It must accept a maximum at or below its
// minimum (a working list of one component, or none).
class ProgressBar {
public:
    virtual ~ProgressBar() = default;
    virtual long long minimum() const = 0;
    virtual long long maximum() const = 0;
    virtual long long value() const = 0;
    virtual void setMinimum(long long value) = 0;
    virtual void setMaximum(long long value) = 0;
    virtual void setValue(long long value) = 0;
    // Whether the user asked the pass to stop. The pass asks after every step it shows (each
    // component read, each rename) and once more before its ECO step; a window that lets a
    // pass be stopped answers true from the moment the user asks. The old program's pass could
    // not be stopped.
    virtual bool stopRequested() const { return false; }
    // A phase begins; its steps then count from 0 up to the maximum (startPhase).
    virtual void beginPhase(ProgressPhase) {}
};

} // namespace sequate::engine

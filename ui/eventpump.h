#pragma once

// The window's turn while a pass holds the host. The host calls stay on the window's thread
// (COM's apartment rules on Windows): a pass runs inside the click that started it, and lets
// the window handle the events waiting for it (repaints, End, Escape, closing) between two of
// its steps. Often enough that the bar moves smoothly and End is heard at once, seldom enough
// that the window's own work does not slow a pass over thousands of components.

#include <chrono>
#include <functional>
#include <optional>

namespace sequate::ui {

class EventPump {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::milliseconds interval{30};

    // handleWaitingEvents is the view's: it handles what waits and returns.
    explicit EventPump(std::function<void()> handleWaitingEvents,
                       Clock clock = &std::chrono::steady_clock::now);

    // The window handles its waiting events, unless it did less than the interval ago.
    void pump();
    // A pass begins: its first step gives the window its turn at once.
    void restart() { mLastTurn.reset(); }

private:
    std::function<void()> mHandleWaitingEvents;
    Clock mClock;
    std::optional<std::chrono::steady_clock::time_point> mLastTurn; // when the window last had it
};

} // namespace sequate::ui

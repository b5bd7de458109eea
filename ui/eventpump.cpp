#include "eventpump.h"

namespace sequate::ui {

EventPump::EventPump(std::function<void()> handleWaitingEvents, Clock clock)
    : mHandleWaitingEvents(std::move(handleWaitingEvents)), mClock(std::move(clock)) {}

void EventPump::pump() {
    if (mLastTurn && mClock() - *mLastTurn < interval)
        return;
    mHandleWaitingEvents();
    // Counted from the turn's end: a window slow to repaint still leaves the pass its time.
    mLastTurn = mClock();
}

} // namespace sequate::ui

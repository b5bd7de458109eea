#include "powerlogicpasslock.h"

#include "passstop.h"

#include <utility>

namespace sequate::engine {

void PowerLogicPassLock::begin() {
    try {
        mApplication.BeginPass();
        mOpen = true;
        return;
    } catch (const host::HostFailure& failure) {
        if (failure.outcomeUnknown()) {
            mOpen = true; // it may be open: it is closed at the end all the same
            throw;
        }
        // PowerLogic refuses a pass while one is open: one an earlier run could not close.
        try {
            mApplication.EndPass();
        } catch (const host::HostFailure&) {
            throw failure;
        }
    }
    mApplication.BeginPass();
    mOpen = true;
    mNote.closedEarlierPass = true;
}

void PowerLogicPassLock::end() {
    if (const PassLockNews news = endQuietly(); !news.empty())
        mDialogs.tellOfPassLock(news);
}

PassLockNews PowerLogicPassLock::endQuietly() {
    if (!mOpen)
        return std::exchange(mNote, {});
    mOpen = false;
    bool firstUnanswered = false;
    try {
        mApplication.EndPass();
        return std::exchange(mNote, {});
    } catch (const host::HostFailure& failure) {
        firstUnanswered = failure.outcomeUnknown();
    }
    try {
        mApplication.EndPass();
    } catch (const host::HostFailure& failure) {
        // After a try that got no answer, a refusal now says the pass is closed already.
        if (firstUnanswered && !failure.outcomeUnknown())
            return std::exchange(mNote, {});
        PassLockNews news = std::exchange(mNote, {});
        news.notEnded = HostFault::of(failure);
        return news;
    }
    return std::exchange(mNote, {});
}

} // namespace sequate::engine

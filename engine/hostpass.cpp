#include "hostpass.h"

#include "passstop.h"

namespace sequate::engine {

void HostPass::begin() {
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
    mDialogs.showMessage(MessageKind::Failure, "Sequate",
                         "PowerLogic still had a pass open that an earlier run could not end, "
                         "which held back your edits in PowerLogic. Sequate has closed it.");
}

void HostPass::end() {
    if (const std::string problem = endQuietly(); !problem.empty())
        mDialogs.showMessage(MessageKind::Failure, "Sequate", problem);
}

std::string HostPass::endQuietly() {
    if (!mOpen)
        return {};
    mOpen = false;
    bool firstUnanswered = false;
    try {
        mApplication.EndPass();
        return {};
    } catch (const host::HostFailure& failure) {
        firstUnanswered = failure.outcomeUnknown();
    }
    try {
        mApplication.EndPass();
    } catch (const host::HostFailure& failure) {
        // After a try that got no answer, a refusal now says the pass is closed already.
        if (firstUnanswered && !failure.outcomeUnknown())
            return {};
        return "PowerLogic could not end the pass: " + describeFailure(failure) + ".";
    }
    return {};
}

} // namespace sequate::engine

#include "callfaults.h"

#include <QThread>
#include <cstdio>
#include <cstdlib>

namespace sequate::hostsim {

CallFaults::CallFaults(FaultPlan plan) : mPlan(plan) {}

void CallFaults::beforeCall(const std::string& call) {
    ++mCalls;
    mFailingAfterEffect.reset();
    if (mPlan.exitAtCall == mCalls) {
        std::fprintf(stderr, "sequate-hostsim: ending at automation call %llu, as asked\n",
                     static_cast<unsigned long long>(mCalls));
        // As a crash would: no clean-up, no goodbye on the bus.
        std::_Exit(3);
    }
    if (mPlan.hangAtCall == mCalls) {
        std::fprintf(stderr, "sequate-hostsim: not answering for %d ms at automation call %llu\n",
                     mPlan.hangMs, static_cast<unsigned long long>(mCalls));
        QThread::msleep(static_cast<unsigned long>(mPlan.hangMs));
    }
    if (mPlan.failAtCall == mCalls)
        throw host::HostFailure(mPlan.failCode, call + " failed with " +
                                                    host::codeText(mPlan.failCode) +
                                                    " (failure injected by the test)");
    if (mPlan.failAfterEffectAtCall == mCalls)
        mFailingAfterEffect = call;
}

void CallFaults::afterEffect() {
    if (!mFailingAfterEffect)
        return;
    const std::string call = *mFailingAfterEffect;
    mFailingAfterEffect.reset();
    throw host::HostFailure(mPlan.failCode, call + " took effect, then failed with " +
                                                host::codeText(mPlan.failCode) +
                                                " (failure injected by the test)");
}

} // namespace sequate::hostsim

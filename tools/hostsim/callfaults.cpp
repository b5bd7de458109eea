#include "callfaults.h"

#include <QThread>
#include <cstdio>
#include <cstdlib>

namespace sequate::hostsim {

CallFaults::CallFaults(FaultPlan plan) : mPlan(plan) {}

void CallFaults::beforeCall() {
    ++mCalls;
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
}

} // namespace sequate::hostsim

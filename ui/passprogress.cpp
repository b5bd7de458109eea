#include "passprogress.h"

#include "counttext.h"
#include "progressdisplay.h"

namespace sequate::ui {

void PassProgress::progressed(engine::ProgressPhase phase, long long done, long long total) {
    mTotal = total;
    show(done, progressLine(phase, done, total));
}

void PassProgress::progressEnded() {
    show(0, {});
}

void PassProgress::beginPass() {
    mStop.clear();
    mPump.restart();
}

void PassProgress::show(long long done, const std::string& account) {
    mView.showProgress(barPosition(done, mTotal));
    mView.showAccount(account);
    mPump.pump();
}

} // namespace sequate::ui

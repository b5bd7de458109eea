#include "passprogress.h"

#include "counttext.h"

namespace sequate::ui {

void PassProgress::beginPhase(engine::ProgressPhase phase) {
    mPhase = phase;
    mPhaseBegun = true;
}

void PassProgress::setValue(long long value) {
    mView.progressBar().setValue(value);
    // Only a phase's start sets the bar to 0; otherwise 0 is the pass's end.
    if (value == 0 && !mPhaseBegun)
        mPhase.reset();
    mPhaseBegun = false;
    mView.showAccount(mPhase ? progressLine(*mPhase, value, maximum()) : std::string());
    mView.letWindowRespond();
}

} // namespace sequate::ui

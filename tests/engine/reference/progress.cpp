#include "progress.h"

namespace sequate::engine::reference {

void AlustaProgressBar(FormState& state, FormWindow& window) {
    ProgressBar& bar = window.prgbarEdistys();
    bar.setMinimum(0);
    if (window.optSelected()) {
        const std::int64_t selected = HowManySelected(state);
        bar.setMaximum(selected > 1 ? selected - 1 : 1);
    }
    if (window.optStart())
        bar.setMaximum(static_cast<long long>(state.workList->Count()) - 1);
}

std::int64_t HowManySelected(FormState& state) {
    auto all = state.powerlogicdoc->ComponentSet()->Objects();
    std::int64_t count = 0;
    // The count is asked again before every item, as everywhere a host list is walked.
    for (std::int32_t i = 1; i <= all->Count(); ++i)
        if (all->Item(i)->Selected())
            ++count;
    return count;
}

} // namespace sequate::engine::reference

#include "progress.h"

namespace sequate::engine {

void stepProgress(ProgressBar& bar) {
    if (bar.maximum() != bar.value())
        bar.setValue(bar.value() + 1);
}

} // namespace sequate::engine

#include "passprogress.h"

namespace sequate::ui {

void PassProgress::setValue(long long value) {
    mView.progressBar().setValue(value);
    mView.letWindowRespond();
}

} // namespace sequate::ui

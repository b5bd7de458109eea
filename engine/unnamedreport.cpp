#include "unnamedreport.h"

namespace sequate::engine {

void showUnnamedReport(const FormState& state, FormWindow& window) {
    for (const std::string& name : state.unnamedNames)
        window.appendNotChanged(name + "\r\n");
    window.showNotChanged();
}

} // namespace sequate::engine

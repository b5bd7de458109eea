#include "unnamedreport.h"

namespace sequate::engine {

void showUnnamedReport(const std::vector<std::string>& names, FormWindow& window) {
    for (const std::string& name : names)
        window.appendToReport(name + "\r\n");
    window.showReport();
}

} // namespace sequate::engine

#include "ecoreader.h"

namespace sequate::host::sim {

// Placeholder until the reader lands: reads nothing, applies nothing.
std::vector<std::string> applyEcoText(const std::string&, const std::string&,
                                      std::vector<std::string>&) {
    return {};
}

} // namespace sequate::host::sim

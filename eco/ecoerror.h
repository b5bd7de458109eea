#pragma once

#include "host/ecodelivery.h"

#include <stdexcept>

namespace sequate::eco {

// A name the ECO format cannot carry, or a file that cannot be written, as a problem the
// window's layer words (ui/ecotexts.h); what() only names the kind, for a log.
class EcoError : public std::runtime_error {
public:
    explicit EcoError(host::EcoProblem problem)
        : std::runtime_error("ECO step problem"), mProblem(std::move(problem)) {}
    const host::EcoProblem& problem() const { return mProblem; }

private:
    host::EcoProblem mProblem;
};

} // namespace sequate::eco

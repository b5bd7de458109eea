#pragma once

#include <stdexcept>

namespace sequate::eco {

// A name the ECO format cannot carry, or a file that cannot be written; what() says which.
class EcoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace sequate::eco

#pragma once

#include <stdexcept>
#include <string>

namespace sequate::eco {

// A name the ECO format cannot carry, or a file that cannot be written; what() says which.
class EcoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file at path that cannot be written, with the reason alone, for a writer of other files
// that words the failure as its own.
class EcoFileError : public EcoError {
public:
    EcoFileError(const std::string& path, std::string reason)
        : EcoError("Cannot write the ECO file \"" + path + "\": " + reason + "."),
          mReason(std::move(reason)) {}
    const std::string& reason() const { return mReason; }

private:
    std::string mReason;
};

} // namespace sequate::eco

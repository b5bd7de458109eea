#include "atomicfile.h"

#include "ecoerror.h"
#include "files/durablefile.h"
#include "host/filesafety.h"

#include <filesystem>

namespace sequate::eco {

namespace {

// What the durable files say, in the ECO step's words.
[[noreturn]] void throwEcoError(const files::FileError& error, const std::string& path) {
    switch (error.fault()) {
    case files::FileFault::NoFileName:
        throw EcoError("Cannot write the ECO file: no file name was given.");
    case files::FileFault::NamesAFolder:
        throw EcoFileError(path, "it names a folder");
    case files::FileFault::UntrustedLink:
        throw EcoFileError(path, "the link \"" + error.path().string() +
                                     "\" belongs to another user in a folder that everyone can "
                                     "write to, so it is not followed");
    case files::FileFault::System:
        break;
    }
    throw EcoFileError(path, error.code().message());
}

void requireRegularTarget(const std::filesystem::path& target, const std::string& shownPath) {
    if (const auto other = host::notARegularFile(target))
        throw EcoFileError(shownPath,
                           "it is " + *other + ", not a file, so Sequate does not replace it");
}

} // namespace

void writeFileAtomically(const std::string& path, const std::string& bytes) {
    try {
        const std::filesystem::path target = files::replacedFile(path);
        requireRegularTarget(target, path);
        files::replaceWhole(target, bytes);
    } catch (const files::FileError& error) {
        throwEcoError(error, path);
    }
}

} // namespace sequate::eco

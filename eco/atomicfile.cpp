#include "atomicfile.h"

#include "ecoerror.h"
#include "files/durablefile.h"
#include "host/filesafety.h"

#include <filesystem>

namespace sequate::eco {

namespace {

// What the durable files say, in the ECO step's words.
using Fault = host::EcoFileUnwritten::Fault;

[[noreturn]] void refuse(Fault fault, const std::string& path, std::string detail = {}) {
    throw EcoError({host::EcoFileUnwritten{fault, path, std::move(detail)}});
}

[[noreturn]] void throwEcoError(const files::FileError& error, const std::string& path) {
    switch (error.fault()) {
    case files::FileFault::NoFileName:
        refuse(Fault::NoFileName, path);
    case files::FileFault::NamesAFolder:
        refuse(Fault::NamesAFolder, path);
    case files::FileFault::UntrustedLink:
        refuse(Fault::UntrustedLink, path, error.path().string());
    case files::FileFault::System:
        break;
    }
    refuse(Fault::System, path, error.code().message());
}

void requireRegularTarget(const std::filesystem::path& target, const std::string& shownPath) {
    if (const auto other = host::notARegularFile(target))
        refuse(Fault::NotAFile, shownPath, *other);
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

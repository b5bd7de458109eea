#include "describe.h"

#include <iterator>

namespace sequate::tools {

namespace {

using host::com::Application;

// The operations of the application that Sequate cannot count on: all of them when it cannot
// be reached.
std::size_t describeApplication(host::com::ComRunningObjects& objects, Application application,
                                std::ostream& out) {
    out << (application == Application::PowerLogic ? "PowerLogic" : "PowerPCB") << ": ";
    std::shared_ptr<host::com::ComHost> host;
    try {
        host = objects.inspect(application);
    } catch (const host::HostFailure& failure) {
        out << failure.what() << "\n";
        host.reset();
    }
    if (host)
        out << "types from " << host->types.source() << "\n";
    std::size_t differ = 0;
    for (const host::com::OperationInfo& operation : host::com::operations) {
        const host::com::KindInfo& kind = host::com::kindInfo(operation.kind);
        if (kind.application != application)
            continue;
        ++differ;
        if (!host)
            continue;
        out << "  " << kind.name << " slot " << operation.slot << " " << operation.name << ": ";
        if (!host->types.read(operation.kind)) {
            out << "not in its type library; read from the first such object Sequate meets\n";
            continue;
        }
        const host::com::Signature& signature = host->types.signature(operation.operation);
        out << signature.declaration;
        if (!signature.problem.empty()) {
            out << "  REFUSED: not " << operation.expected << ": " << signature.problem << "\n";
            continue;
        }
        out << (signature.builtIn ? "  accepted (built in, unchecked)\n" : "  accepted\n");
        --differ;
    }
    return differ;
}

} // namespace

bool describeTypes(host::com::ComRunningObjects& objects, std::ostream& out) {
    const std::size_t differ = describeApplication(objects, Application::PowerLogic, out) +
                               describeApplication(objects, Application::PowerPcb, out);
    out << describeVerdict(differ, std::size(host::com::operations)) << "\n";
    return differ == 0;
}

std::string describeVerdict(std::size_t differ, std::size_t operations) {
    const std::string all = std::to_string(operations);
    if (differ == 0)
        return "All " + all + " operations are as Sequate expects.";
    return std::to_string(differ) + " of " + all +
           " operations differ: Sequate will not rename until they match.";
}

std::optional<std::string> refusedTypes(host::com::ComRunningObjects& objects, bool handOff) {
    for (const Application application : {Application::PowerLogic, Application::PowerPcb}) {
        if (application == Application::PowerPcb && !handOff)
            continue;
        try {
            objects.inspect(application)->types.refuseMisfits();
        } catch (const host::HostFailure& failure) {
            if (failure.code() == host::com::typeMismatchCode)
                return failure.what();
        }
    }
    return std::nullopt;
}

} // namespace sequate::tools

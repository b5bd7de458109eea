#include "describe.h"

namespace sequate::tools {

namespace {

using host::com::Application;

bool describeApplication(host::com::ComRunningObjects& objects, Application application,
                         std::ostream& out) {
    out << (application == Application::PowerLogic ? "PowerLogic" : "PowerPCB") << ": ";
    std::shared_ptr<host::com::ComHost> host;
    try {
        host = objects.inspect(application);
    } catch (const host::HostFailure& failure) {
        out << failure.what() << "\n";
        return false;
    }
    out << "types from " << host->types.source() << "\n";
    bool accepted = true;
    for (const host::com::OperationInfo& operation : host::com::operations) {
        const host::com::KindInfo& kind = host::com::kindInfo(operation.kind);
        if (kind.application != application)
            continue;
        out << "  " << kind.name << " slot " << operation.slot << " " << operation.name << ": ";
        if (!host->types.read(operation.kind)) {
            out << "not in its type library; read from the first such object Sequate meets\n";
            accepted = false;
            continue;
        }
        const host::com::Signature& signature = host->types.signature(operation.operation);
        out << signature.declaration;
        if (!signature.problem.empty()) {
            out << "  REFUSED: not " << operation.expected << ": " << signature.problem << "\n";
            accepted = false;
        } else {
            out << (signature.builtIn ? "  accepted (built in, unchecked)\n" : "  accepted\n");
        }
    }
    return accepted;
}

} // namespace

bool describeTypes(host::com::ComRunningObjects& objects, std::ostream& out) {
    const bool logic = describeApplication(objects, Application::PowerLogic, out);
    const bool pcb = describeApplication(objects, Application::PowerPcb, out);
    return logic && pcb;
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

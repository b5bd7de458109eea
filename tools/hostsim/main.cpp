// sequate-hostsim: the simulated PowerLogic and PowerPCB, serving a state file on the D-Bus
// session bus, with a window or without one.

#include "desktop/missingdisplay.h"
#include "host/sim/callfaults.h"
#include "host/sim/statefile.h"
#include "hostsimoptions.h"
#include "hostsimservice.h"
#include "hostsimwindow.h"
#include "simhosts.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <memory>

using namespace sequate;
using namespace sequate::hostsim;

namespace {

void complain(const std::string& text) {
    std::fprintf(stderr, "sequate-hostsim: %s\n", text.c_str());
}

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, bool window) {
    if (window)
        return std::make_unique<QApplication>(argc, argv);
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    const bool window = !needsNoDisplay(argc, argv);
    if (window) {
        if (const std::string missing = desktop::missingDisplay(); !missing.empty()) {
            complain("there is no display (" + missing + "); use --no-window to run without one");
            return 1;
        }
    }
    const auto app = makeApplication(argc, argv, window);
    HostSimOptions options;
    host::sim::SimState state;
    try {
        options = parseOptions(app->arguments(), QCoreApplication::applicationDirPath());
        if (options.help) {
            std::fputs(qPrintable(usageText()), stdout);
            return 0;
        }
        state = host::sim::loadStateFile(options.stateFile.toStdString());
    } catch (const std::exception& error) {
        complain(error.what());
        return 2;
    }

    SimHosts hosts(state);
    if (!options.layout)
        hosts.pcb().setLayout(std::nullopt);
    host::sim::CallFaults faults("sequate-hostsim", options.faults);
    HostSimService service(hosts, options.service);
    service.setWithholdObject([&] { return faults.answersNoObject(); });
    service.setAfterEffect([&] { faults.afterEffect(); });
    std::unique_ptr<HostSimWindow> view;
    hosts.logic().setCallObserver([&](const std::string& call) {
        service.recordCall("PowerLogic", call);
        faults.beforeCall(call);
        if (view)
            view->logCall("PowerLogic", call);
    });
    hosts.pcb().setCallObserver([&](const std::string& call) {
        service.recordCall("PowerPCB", call);
        faults.beforeCall(call);
        if (view)
            view->logCall("PowerPCB", call);
    });
    try {
        service.start();
    } catch (const std::exception& error) {
        complain(error.what());
        return 1;
    }
    if (window) {
        view = std::make_unique<HostSimWindow>(hosts, service, options.stateFile);
        view->show();
    } else {
        service.setWatcher({}, [](const QString& line) { complain(line.toStdString()); });
    }
    complain("serving " + options.stateFile.toStdString());
    return app->exec();
}

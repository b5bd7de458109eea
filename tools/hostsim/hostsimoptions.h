#pragma once

// The simulator program's command line.

#include "host/sim/callfaults.h"
#include "hostsimservice.h"

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace sequate::hostsim {

struct HostSimOptions {
    QString stateFile;
    bool window = true;
    bool layout = true; // PowerPCB has the state's layout open, or none with --no-layout
    bool help = false;
    ServiceOptions service;
    host::sim::FaultPlan faults;
};

// A command line that cannot be used; what() says which option and why.
class OptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// arguments include the program name. Without a state file the bundled sample is used: the
// installed one beside executableDir, or else the source tree's.
HostSimOptions parseOptions(const QStringList& arguments, const QString& executableDir);
QString usageText();
// True when the arguments ask for no window, or only for the help, so that no display is
// needed; read before the application object exists.
bool needsNoDisplay(int argc, char** argv);

} // namespace sequate::hostsim

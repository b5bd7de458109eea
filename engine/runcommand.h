#pragma once

// The Run button: settles a pass left unfinished, else starts the pass asked for.

#include "hostsession.h"
#include "numberingpass.h"
#include "passports.h"
#include "passrequest.h"

#include <optional>

namespace sequate::engine {

// The Run button's handler (old program: cmdRun_Click, once its checks made the request). The
// pass that ran, or nothing when none was started: where the user was asked about a pass cut
// short, or its renames still wait for the layout, the pass asked for does not follow.
std::optional<PassOutcome> pressRun(HostSession& state, const PassPorts& ports,
                                    const PassRequest& request);

} // namespace sequate::engine

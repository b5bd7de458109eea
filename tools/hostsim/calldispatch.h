#pragma once

// Runs one automation call on the object it is addressed to and gives the reply's arguments.
// The object's own failures pass through as HostFailure; a call that names no method of the
// object throws BadCall.

#include "automationcall.h"
#include "automationobject.h"

#include <QDBusObjectPath>
#include <QVariantList>
#include <functional>

namespace sequate::hostsim {

// Hands a returned object to the caller: its path, or the "no object" path for nullptr.
using IssueObject = std::function<QDBusObjectPath(AutomationObject)>;

QVariantList dispatchCall(const AutomationObject& object, const AutomationCall& call,
                          const IssueObject& issue);

} // namespace sequate::hostsim

#pragma once

// How the automation calls of PowerLogic and PowerPCB travel over D-Bus. Shared by the binding
// (the client side, in Sequate) and the simulator program (the server side).
//
// An application owns its class name as a well-known bus name. Its root object lives at
// applicationPath; every other automation object it hands out is registered under
// objectsPath/<id> and stays the same object (a list stays the snapshot it was, a component
// stays the same component when renamed) until the client that received it releases it or
// leaves the bus. "No object" is the path "/". A failed call answers with the error name
// errorName and a message "<code> <text>", the code as codeText() writes it.

#include "host/hostfailure.h"

#include <QString>
#include <optional>
#include <string>

namespace sequate::host::dbus {

inline const QString powerLogicService = QStringLiteral("PowerLogic.Application");
inline const QString powerPcbService = QStringLiteral("PowerPCB.Application");

inline const QString applicationPath = QStringLiteral("/Application");
inline const QString objectsPath = QStringLiteral("/objects");
inline const QString noObjectPath = QStringLiteral("/");

inline const QString logicInterfacePrefix = QStringLiteral("org.sequate.PowerLogic.");
inline const QString pcbInterfacePrefix = QStringLiteral("org.sequate.PowerPCB.");
// Release(as paths), on the application object: the client drops its references to these
// objects. Clients gather them and release many at a time, so that releasing costs the host
// far less than the calls that handed the objects out.
inline const QString automationInterface = QStringLiteral("org.sequate.Automation");
inline const QString releaseMethod = QStringLiteral("Release");
inline const QString errorName = QStringLiteral("org.sequate.Automation.Error");

// Signal of the application object; its one argument is the path of the opened document.
inline const QString openDocumentSignal = QStringLiteral("OpenDocument");

// "org.sequate.PowerLogic.LogicObjects" for "LogicObjects"; Pcb... names go to PowerPCB.
QString interfaceName(const QString& kind);

// The error message that carries a failure: "0x80040203 <text>".
QString errorMessage(HostCode code, const std::string& text);
struct CarriedFailure {
    HostCode code;
    std::string text;
};
// Reads a message that errorMessage() wrote; nullopt when it does not start with a code.
std::optional<CarriedFailure> parseErrorMessage(const QString& message);

} // namespace sequate::host::dbus

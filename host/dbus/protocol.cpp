#include "protocol.h"

namespace sequate::host::dbus {

QString interfaceName(const QString& kind) {
    const bool pcb = kind.startsWith(QStringLiteral("Pcb"));
    return (pcb ? pcbInterfacePrefix : logicInterfacePrefix) + kind;
}

QString errorMessage(HostCode code, const std::string& text) {
    return QString::fromStdString(codeText(code) + ' ' + text);
}

std::optional<CarriedFailure> parseErrorMessage(const QString& message) {
    const qsizetype blank = message.indexOf(QLatin1Char(' '));
    const QString number = blank < 0 ? message : message.left(blank);
    bool ok = false;
    const uint value = number.toUInt(&ok, 0);
    if (!ok)
        return std::nullopt;
    const QString text = blank < 0 ? QString() : message.mid(blank + 1);
    return CarriedFailure{static_cast<HostCode>(value), text.toStdString()};
}

} // namespace sequate::host::dbus

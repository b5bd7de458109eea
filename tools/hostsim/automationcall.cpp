#include "automationcall.h"

namespace sequate::hostsim {

AutomationCall::AutomationCall(const QDBusMessage& message) : mMessage(message) {}

bool AutomationCall::is(const char* member, const char* signature) const {
    return mMessage.member() == QLatin1String(member) &&
           mMessage.signature() == QLatin1String(signature);
}

std::int32_t AutomationCall::intArg(int index) const {
    return mMessage.arguments().at(index).toInt();
}

QString AutomationCall::stringArg(int index) const {
    return mMessage.arguments().at(index).toString();
}

void AutomationCall::unknown() const {
    throw BadCall(QStringLiteral("%1 has no method %2 taking arguments of types \"%3\"")
                      .arg(mMessage.interface(), mMessage.member(), mMessage.signature())
                      .toStdString());
}

} // namespace sequate::hostsim

#include "dbusconnection.h"

#include "host/hostfailure.h"
#include "protocol.h"

#include <QCoreApplication>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <chrono>
#include <utility>

namespace sequate::host::dbus {

namespace {

constexpr qsizetype releaseBatch = 64;
const QString busService = QStringLiteral("org.freedesktop.DBus");
const QString busPath = QStringLiteral("/org/freedesktop/DBus");

bool isGone(const QDBusError& error) {
    return error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::Disconnected ||
           error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
}

bool isTimeout(QDBusError::ErrorType type) {
    return type == QDBusError::Timeout || type == QDBusError::TimedOut;
}

// Values as the call trace shows them: "R7" with its quotes, 12, true, object.
std::string traceText(const QVariantList& values) {
    std::string text;
    for (const QVariant& value : values) {
        if (!text.empty())
            text += ", ";
        if (value.metaType().id() == QMetaType::QString)
            text += '"' + value.toString().toStdString() + '"';
        else if (value.canConvert<QDBusObjectPath>())
            text += value.value<QDBusObjectPath>().path() == noObjectPath ? "no object" : "object";
        else
            text += value.toString().toStdString();
    }
    return text;
}

std::string answerText(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ReplyMessage)
        return reply.arguments().isEmpty() ? "nothing" : traceText(reply.arguments());
    if (const auto carried = parseErrorMessage(reply.errorMessage()))
        return "failed " + codeText(carried->code) + " " + carried->text;
    return "failed " + reply.errorName().toStdString() + " " + reply.errorMessage().toStdString();
}

} // namespace

DbusHost::DbusHost(QDBusConnection bus, QString owner, QString title, int timeoutMs)
    : mBus(std::move(bus)), mOwner(std::move(owner)), mTitle(std::move(title)),
      mTimeoutMs(timeoutMs) {}

DbusHost::~DbusHost() {
    // Without the application object the bus machinery is gone; the host drops what a client
    // held when the client leaves the bus.
    if (QCoreApplication::instance())
        sendReleases();
}

QVariantList DbusHost::call(const QString& path, const QString& kind, const QString& method,
                            const QVariantList& args) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(mOwner, path, interfaceName(kind), method);
    message.setArguments(args);
    message.setAutoStartService(false);
    const auto start = std::chrono::steady_clock::now();
    const QDBusMessage reply = mBus.call(message, QDBus::Block, mTimeoutMs);
    if (mTrace)
        mTrace->record(
            mTitle.toStdString(), (kind + QLatin1Char(' ') + method).toStdString(), traceText(args),
            answerText(reply),
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    if (reply.type() != QDBusMessage::ReplyMessage)
        fail(reply, kind + QLatin1Char('.') + method);
    return reply.arguments();
}

void DbusHost::release(const QString& path) {
    mReleased.append(path);
    if (mReleased.size() >= releaseBatch)
        sendReleases();
}

void DbusHost::sendReleases() {
    if (mReleased.isEmpty())
        return;
    QDBusMessage message =
        QDBusMessage::createMethodCall(mOwner, applicationPath, automationInterface, releaseMethod);
    message.setArguments({mReleased});
    message.setAutoStartService(false);
    mBus.send(message);
    mReleased.clear();
}

void DbusHost::fail(const QDBusMessage& reply, const QString& callName) {
    // The call's name is in the trace; the text is for a message, in the user's terms.
    Q_UNUSED(callName);
    const std::string title = mTitle.toStdString();
    if (reply.errorName() == errorName) {
        if (const auto carried = parseErrorMessage(reply.errorMessage()))
            throw HostFailure(carried->code, carried->text);
    }
    const QDBusError error(reply);
    if (error.type() == QDBusError::NoReply) {
        if (ownerStillOnBus())
            throw HostFailure(HostCode::Timeout, title + " did not answer within " +
                                                     std::to_string(mTimeoutMs) + " ms");
        throw HostFailure(HostCode::ServerUnavailable,
                          title + " went away during a call (its process ended)");
    }
    if (isTimeout(error.type()))
        throw HostFailure(HostCode::Timeout, title + " did not answer in time");
    if (isGone(error))
        throw HostFailure(HostCode::ServerUnavailable, title + " is no longer running");
    throw HostFailure(HostCode::Failed,
                      title + " could not take the call: " + reply.errorMessage().toStdString());
}

bool DbusHost::ownerStillOnBus() {
    QDBusMessage question = QDBusMessage::createMethodCall(busService, busPath, busService,
                                                           QStringLiteral("NameHasOwner"));
    question.setArguments({mOwner});
    const QDBusMessage answer = mBus.call(question, QDBus::Block, mTimeoutMs);
    return answer.type() == QDBusMessage::ReplyMessage && answer.arguments().value(0).toBool();
}

} // namespace sequate::host::dbus

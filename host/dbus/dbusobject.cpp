#include "dbusobject.h"

#include "host/hostfailure.h"

#include <QDBusObjectPath>
#include <utility>

namespace sequate::host::dbus {

DbusObject::DbusObject(std::shared_ptr<DbusHost> host, QString path, QString kind, bool owned)
    : mHost(std::move(host)), mPath(std::move(path)), mKind(std::move(kind)), mOwned(owned) {}

DbusObject::~DbusObject() {
    if (mOwned)
        mHost->release(mPath);
}

void DbusObject::callVoid(const QString& method, const QVariantList& args) {
    mHost->call(mPath, mKind, method, args);
}

std::string DbusObject::callString(const QString& method, const QVariantList& args) {
    return callOne(method, args, QMetaType::QString).toString().toStdString();
}

std::int32_t DbusObject::callInt(const QString& method, const QVariantList& args) {
    return callOne(method, args, QMetaType::Int).toInt();
}

double DbusObject::callDouble(const QString& method, const QVariantList& args) {
    return callOne(method, args, QMetaType::Double).toDouble();
}

bool DbusObject::callBool(const QString& method, const QVariantList& args) {
    return callOne(method, args, QMetaType::Bool).toBool();
}

QString DbusObject::callObjectPath(const QString& method, const QVariantList& args) {
    return callOne(method, args, qMetaTypeId<QDBusObjectPath>()).value<QDBusObjectPath>().path();
}

QVariant DbusObject::callOne(const QString& method, const QVariantList& args, int expectedType) {
    const QVariantList reply = mHost->call(mPath, mKind, method, args);
    if (reply.size() != 1 || reply.front().metaType().id() != expectedType)
        throw HostFailure(HostCode::Failed, mHost->title().toStdString() + " answered " +
                                                mKind.toStdString() + '.' + method.toStdString() +
                                                " with a reply of the wrong type");
    return reply.front();
}

} // namespace sequate::host::dbus

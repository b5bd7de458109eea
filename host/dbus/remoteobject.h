#pragma once

// The client's end of one automation object that a host handed out: its path on the host's
// connection and its kind (the interface name without prefix, such as "LogicObjects"). An
// owned object is released on the host when the proxy goes, as a reference count would be.

#include "hostconnection.h"

#include <QString>
#include <QVariantList>
#include <cstdint>
#include <memory>
#include <string>

namespace sequate::host::dbus {

class RemoteObject {
public:
    RemoteObject(std::shared_ptr<HostConnection> host, QString path, QString kind, bool owned);
    ~RemoteObject();
    RemoteObject(const RemoteObject&) = delete;
    RemoteObject& operator=(const RemoteObject&) = delete;

    const QString& path() const { return mPath; }

protected:
    const std::shared_ptr<HostConnection>& host() const { return mHost; }

    void callVoid(const QString& method, const QVariantList& args = {});
    std::string callString(const QString& method, const QVariantList& args = {});
    std::int32_t callInt(const QString& method, const QVariantList& args = {});
    double callDouble(const QString& method, const QVariantList& args = {});
    bool callBool(const QString& method, const QVariantList& args = {});
    // The path of the object the call returned; noObjectPath for "no object".
    QString callObject(const QString& method, const QVariantList& args = {});

private:
    QVariant callOne(const QString& method, const QVariantList& args, int expectedType);

    std::shared_ptr<HostConnection> mHost;
    QString mPath;
    QString mKind;
    bool mOwned;
};

} // namespace sequate::host::dbus

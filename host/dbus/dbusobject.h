#pragma once

// The client's end of one automation object that a host handed out: its path on the host's
// connection and its kind (the interface name without prefix, such as "LogicObjects"). An
// owned object is released on the host when the proxy goes, as a reference count would be.

#include "dbusconnection.h"
#include "protocol.h"

#include <QString>
#include <QVariantList>
#include <cstdint>
#include <memory>
#include <string>

namespace sequate::host::dbus {

class DbusObject {
public:
    DbusObject(std::shared_ptr<DbusHost> host, QString path, QString kind, bool owned);
    ~DbusObject();
    DbusObject(const DbusObject&) = delete;
    DbusObject& operator=(const DbusObject&) = delete;

    const QString& path() const { return mPath; }

protected:
    const std::shared_ptr<DbusHost>& host() const { return mHost; }

    void callVoid(const QString& method, const QVariantList& args = {});
    std::string callString(const QString& method, const QVariantList& args = {});
    std::int32_t callInt(const QString& method, const QVariantList& args = {});
    double callDouble(const QString& method, const QVariantList& args = {});
    bool callBool(const QString& method, const QVariantList& args = {});
    // The object the call returned, as a Proxy (which the host hands over owned); nullptr for
    // "no object", which any call that gives an object may answer.
    template <typename Proxy>
    std::shared_ptr<Proxy> callObject(const QString& method, const QVariantList& args = {}) {
        const QString path = callObjectPath(method, args);
        if (path == noObjectPath)
            return nullptr;
        return std::make_shared<Proxy>(mHost, path);
    }

private:
    QString callObjectPath(const QString& method, const QVariantList& args);
    QVariant callOne(const QString& method, const QVariantList& args, int expectedType);

    std::shared_ptr<DbusHost> mHost;
    QString mPath;
    QString mKind;
    bool mOwned;
};

} // namespace sequate::host::dbus

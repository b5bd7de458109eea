#include "automationregistry.h"

#include "host/dbus/protocol.h"

#include <utility>

namespace sequate::hostsim {

namespace {

// 0 for a path that is not objectsPath/<id>.
std::uint64_t idOf(const QString& path) {
    const QString prefix = host::dbus::objectsPath + QLatin1Char('/');
    if (!path.startsWith(prefix))
        return 0;
    bool ok = false;
    const std::uint64_t id = path.mid(prefix.size()).toULongLong(&ok);
    return ok ? id : 0;
}

} // namespace

QString AutomationRegistry::add(AutomationObject object, const QString& client) {
    const std::uint64_t id = mNextId++;
    mEntries.emplace(id, Entry{std::move(object), client});
    if (!client.isEmpty())
        mByClient[client].insert(id);
    return host::dbus::objectsPath + QLatin1Char('/') + QString::number(id);
}

const AutomationObject* AutomationRegistry::find(const QString& path) const {
    const auto it = mEntries.find(idOf(path));
    return it == mEntries.end() ? nullptr : &it->second.object;
}

void AutomationRegistry::release(const QString& path, const QString& client) {
    const std::uint64_t id = idOf(path);
    const auto it = mEntries.find(id);
    if (it == mEntries.end() || client.isEmpty() || it->second.client != client)
        return;
    mEntries.erase(it);
    mByClient[client].remove(id);
}

void AutomationRegistry::dropClient(const QString& client) {
    const auto held = mByClient.find(client);
    if (held == mByClient.end())
        return;
    for (const std::uint64_t id : *held)
        mEntries.erase(id);
    mByClient.erase(held);
}

} // namespace sequate::hostsim

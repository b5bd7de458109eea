#pragma once

// The automation objects the simulator handed out, each under its own path, as the host's
// reference counts would keep them: an object stays what it was when handed out until the
// client that holds it releases it or leaves the bus.

#include "automationobject.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace sequate::hostsim {

class AutomationRegistry {
public:
    // Registers object for client (its unique bus name; empty: kept for the life of the
    // program) and returns its path.
    QString add(AutomationObject object, const QString& client);
    // nullptr when no object lives at path.
    const AutomationObject* find(const QString& path) const;
    // Only the client that holds an object can release it.
    void release(const QString& path, const QString& client);
    void dropClient(const QString& client);
    std::size_t size() const { return mEntries.size(); }

private:
    struct Entry {
        AutomationObject object;
        QString client;
    };

    std::unordered_map<std::uint64_t, Entry> mEntries;
    QHash<QString, QSet<std::uint64_t>> mByClient;
    std::uint64_t mNextId = 1;
};

} // namespace sequate::hostsim

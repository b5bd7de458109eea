#pragma once

// What a test does to the simulator from outside the automation interface: the user's
// actions, and a look at the state. Served as org.sequate.HostSim at /HostSim when the
// program runs with --test-control.

#include <QDBusContext>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace sequate::hostsim {

class HostSimService;
class SimHosts;

inline const QString testControlService = QStringLiteral("org.sequate.HostSim");
inline const QString testControlPath = QStringLiteral("/HostSim");

class TestControl : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.sequate.HostSim")

public:
    TestControl(SimHosts& hosts, HostSimService& service, QObject* parent = nullptr);

public slots:
    void OpenDocument(uint index);
    void SelectOnly(const QList<int>& components);
    QString State();
    void SaveState(const QString& path);
    bool PassOpen();
    qulonglong CallCount();
    uint ObjectsHeld();
    QStringList CallLog();

private:
    SimHosts& mHosts;
    HostSimService& mService;
};

} // namespace sequate::hostsim

#include "testcontrol.h"

#include "host/sim/statefile.h"
#include "hostsimservice.h"
#include "simhosts.h"

#include <QDBusError>
#include <vector>

namespace sequate::hostsim {

TestControl::TestControl(SimHosts& hosts, HostSimService& service, QObject* parent)
    : QObject(parent), mHosts(hosts), mService(service) {}

void TestControl::OpenDocument(uint index) {
    if (index >= mHosts.logic().documents().size()) {
        sendErrorReply(QDBusError::InvalidArgs,
                       QStringLiteral("there is no document %1").arg(index));
        return;
    }
    mService.openDocument(index);
}

void TestControl::SelectOnly(const QList<int>& components) {
    try {
        mHosts.logic().selectOnly(std::vector<std::size_t>(components.begin(), components.end()));
    } catch (const std::exception& error) {
        sendErrorReply(QDBusError::InvalidArgs, QString::fromStdString(error.what()));
        return;
    }
    mService.settle();
}

QString TestControl::State() {
    return QString::fromStdString(host::sim::serializeState(mHosts.currentState()));
}

void TestControl::SaveState(const QString& path) {
    try {
        host::sim::saveStateFile(path.toStdString(), mHosts.currentState());
    } catch (const std::exception& error) {
        sendErrorReply(QDBusError::Failed, QString::fromStdString(error.what()));
    }
}

bool TestControl::PassOpen() {
    return mHosts.logic().passOpen();
}

qulonglong TestControl::CallCount() {
    return mHosts.logic().callCount() + mHosts.pcb().callCount();
}

uint TestControl::ObjectsHeld() {
    return static_cast<uint>(mService.objectsHeld());
}

QStringList TestControl::CallLog() {
    return mService.callLog();
}

} // namespace sequate::hostsim

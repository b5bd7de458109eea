#pragma once

// The simulated PowerLogic and PowerPCB on the session bus, each on its own connection under
// its class name, as two programs would be. After every automation call the simulator
// delivers its queued notifications, as the real application does between user actions. A
// client that leaves the bus in the middle of a pass has its pass closed, so the user's edits
// do not wait for ever.

#include "automationserver.h"
#include "notificationrelay.h"
#include "simhosts.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace sequate::hostsim {

struct ServiceOptions {
    bool powerLogic = true;
    bool powerPcb = true;
    bool testControl = false; // org.sequate.HostSim, for tests
};

class HostSimService : public QObject {
    Q_OBJECT

public:
    HostSimService(SimHosts& hosts, ServiceOptions options, QObject* parent = nullptr);
    ~HostSimService() override;

    // Connects, publishes and takes the names. Throws std::runtime_error saying what failed.
    void start();

    // The user opens another document in the simulated editor.
    void openDocument(std::size_t index);
    // Delivers queued notifications; tells the watcher that the state may have changed.
    void settle();

    // Asked, whenever a call of either application has made an object, whether to answer "no
    // object" instead; set before start().
    void setWithholdObject(std::function<bool()> withhold);
    // Called once a call of either application has run; a host::HostFailure it throws is the
    // call's answer. Set before start().
    void setAfterEffect(std::function<void()> afterEffect);
    // Told after every call and user action, and a line for the log now and then.
    void setWatcher(std::function<void()> changed, std::function<void(const QString&)> note);

    // Registered objects per application, for the curious (and the tests).
    std::size_t objectsHeld() const;
    // Every automation call so far, such as "PowerLogic LogicObjects.Item"; kept only with
    // the test control, where tests read it.
    void recordCall(const char* app, const std::string& call);
    const QStringList& callLog() const { return mCallLog; }

private:
    void startPowerLogic();
    void startPowerPcb();
    void startTestControl();
    void afterLogicCall(const QDBusMessage& call, bool ok);
    void clientLeft(const QString& client);

    SimHosts& mHosts;
    ServiceOptions mOptions;
    std::shared_ptr<host::LogicApplication> mLogicApp;
    std::unique_ptr<AutomationServer> mLogicServer;
    std::unique_ptr<AutomationServer> mPcbServer;
    std::unique_ptr<NotificationRelay> mRelay;
    QString mPassClient;
    QStringList mCallLog;
    std::function<void()> mChanged;
    std::function<void(const QString&)> mNote;
    std::function<bool()> mWithholdObject;
    std::function<void()> mAfterEffect;
};

} // namespace sequate::hostsim

// The pass runner over the bus when start-up takes up no document: it ends with status 1,
// whatever it was asked to do, never by a signal, and a pass says why it cannot run.

#include "hostsimprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace sequate;
using namespace sequate::testing;

namespace {

TEST(PassProgramOverTheBus, StartUpWithoutADocumentEndsWithAMessage) {
    const QString sample = writeStateFile(sampleWithoutSelection(), "sample.json");
    const QString empty = writeStateFile({{}, std::nullopt}, "empty.json");
    const struct {
        const char* about;
        std::optional<QStringList> simulator; // none: nothing on the bus
        QString state;
    } cases[] = {
        {"nothing on the bus", std::nullopt, sample},
        {"PowerLogic left out", QStringList{"--no-powerlogic"}, sample},
        {"no document open", QStringList{}, empty},
        {"PowerLogic dies at the first call", QStringList{"--exit-at-call", "1"}, sample},
        {"the first call fails", QStringList{"--fail-at-call", "1", "--fail-code", "80004005"},
         sample},
    };
    const QStringList requests[] = {
        {"--mode", "all"}, {"--mode", "selected", "--plan-only"}, {"--recover", "undo"}};
    QTemporaryDir data;
    for (const auto& c : cases) {
        for (const QStringList& request : requests) {
            SCOPED_TRACE(std::string(c.about) + ": " + request.join(' ').toStdString());
            PrivateBus bus;
            std::unique_ptr<HostSimProcess> sim;
            if (c.simulator)
                sim = std::make_unique<HostSimProcess>(bus, c.state, *c.simulator);
            QProcess pass;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
            environment.insert("XDG_DATA_HOME", data.path());
            pass.setProcessEnvironment(environment);
            pass.start(SEQUATE_PASS_PROGRAM, QStringList{"--bus"} + request);
            ASSERT_TRUE(pass.waitForFinished(60000));
            EXPECT_EQ(pass.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(pass.exitCode(), 1);
            const QJsonObject report =
                QJsonDocument::fromJson(pass.readAllStandardOutput()).object();
            EXPECT_TRUE(report["names"].isNull());
            const bool said =
                !report["messages"].toArray().isEmpty() || !report["stopped"].isNull();
            EXPECT_TRUE(said || !request.contains("--mode"));
        }
    }
}

} // namespace

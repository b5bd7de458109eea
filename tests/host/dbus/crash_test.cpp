// Sequate killed in the middle of a pass over a large design, as the task manager or a power cut
// would kill it, with PowerLogic in another process: the next run puts every name back from the
// journal. Keeping a pass's renames instead, and a put-back cut short, are the engine's recovery
// (tests/engine, tests/eco), whatever process ended.

#include "hostsimprocess.h"
#include "tests/engine/designs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

using namespace sequate;
using namespace sequate::testing;

namespace {

// Runs a program on the test's bus, in a data folder of the test's own.
std::unique_ptr<QProcess> launch(const QString& path, const QStringList& words,
                                 const QStringList& environment) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& pair : environment)
        variables.insert(pair.section('=', 0, 0), pair.section('=', 1));
    process->setProcessEnvironment(variables);
    process->start(path, words);
    EXPECT_TRUE(process->waitForStarted());
    return process;
}

TEST(CrashOverTheBus, TheWindowProgramKilledMidPassIsPutBack) {
    const host::sim::SimState start{
        {engine::testing::DesignGenerator(3000).design({3000, 0, false})}, std::nullopt};
    PrivateBus bus;
    HostSimProcess sim{bus, writeStateFile(start, "crash.json")};
    QTemporaryDir data;
    const QStringList environment{"XDG_DATA_HOME=" + data.path(),
                                  "DBUS_SESSION_BUS_ADDRESS=" + bus.address()};
    auto pass =
        launch(SEQUATE_PROGRAM, {},
               environment + QStringList{"QT_QPA_PLATFORM=offscreen", "SEQUATE_TEST_RUN_ALL=1"});
    const auto renaming = [&] {
        const QDir journals(data.filePath("sequate/journals"), "board.sch-*.journal");
        for (const QString& name : journals.entryList()) {
            QFile journal(journals.filePath(name));
            if (journal.open(QIODevice::ReadOnly) && journal.readAll().contains("\ndone 100\n"))
                return true;
        }
        return false;
    };
    ASSERT_TRUE(waitUntil(renaming, 90000))
        << "the pass never got to its renames: " << pass->readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(pass->processId()), SIGKILL);
    pass->waitForFinished();
    ASSERT_NE(namesOf(sim.state().documents[0]), namesOf(start.documents[0]))
        << "nothing was renamed before the kill";

    auto recovery = launch(SEQUATE_PASS_PROGRAM, {"--bus", "--recover", "undo"}, environment);
    EXPECT_TRUE(recovery->waitForFinished(120000));
    EXPECT_EQ(recovery->exitCode(), 0) << recovery->readAllStandardError().toStdString();
    EXPECT_TRUE(recovery->readAllStandardOutput().contains("\"recovered\": \"undo\""));
    EXPECT_FALSE(sim.passOpen());
    EXPECT_EQ(namesOf(sim.state().documents[0]), namesOf(start.documents[0]));
}

} // namespace

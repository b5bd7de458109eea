// Sequate killed in the middle of a pass over a large design, with PowerLogic in another
// process: the next run puts every name back from the journal.

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

// Killed as the task manager or a power cut would kill it, once renames are under way; then
// put back by the runner.
void killMidPassThenPutBack(const QString& program, const QStringList& arguments,
                            const QStringList& environment) {
    const host::sim::SimState start{
        {engine::testing::DesignGenerator(3000).design({3000, 0, false})}, std::nullopt};
    PrivateBus bus;
    HostSimProcess sim(bus, writeStateFile(start, "crash.json"));
    QTemporaryDir data;
    const auto launch = [&](const QString& path, const QStringList& words) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        for (const QString& pair :
             environment + QStringList{"XDG_DATA_HOME=" + data.path(),
                                       "DBUS_SESSION_BUS_ADDRESS=" + bus.address()})
            variables.insert(pair.section('=', 0, 0), pair.section('=', 1));
        process->setProcessEnvironment(variables);
        process->start(path, words);
        EXPECT_TRUE(process->waitForStarted());
        return process;
    };

    auto pass = launch(program, arguments);
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

    auto recover = launch(SEQUATE_PASS_PROGRAM, {"--bus", "--recover", "undo"});
    ASSERT_TRUE(recover->waitForFinished(120000));
    EXPECT_EQ(recover->exitCode(), 0) << recover->readAllStandardError().toStdString();
    EXPECT_TRUE(recover->readAllStandardOutput().contains("\"recovered\": \"undo\""));
    EXPECT_EQ(namesOf(sim.state().documents[0]), namesOf(start.documents[0]));
    EXPECT_FALSE(sim.passOpen());
}

TEST(CrashOverTheBus, TheWindowProgramKilledMidPassIsPutBack) {
    killMidPassThenPutBack(SEQUATE_PROGRAM, {},
                           {"QT_QPA_PLATFORM=offscreen", "SEQUATE_TEST_RUN_ALL=1"});
}

TEST(CrashOverTheBus, AKilledPassIsPutBackByTheNextRun) {
    killMidPassThenPutBack(SEQUATE_PASS_PROGRAM, {"--bus", "--mode", "all"}, {});
}

} // namespace

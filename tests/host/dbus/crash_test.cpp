// Sequate killed in the middle of a pass or a put-back over a large design, with PowerLogic in
// another process: the next run puts every name back from the journal, or carries the put-back
// on. Keeping a pass's renames instead is the engine's recovery, whatever process ended.

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

// Sequate killed as the task manager or a power cut would kill it, once renames are under way,
// in a data folder of the test's own.
class CrashOverTheBus : public ::testing::Test {
protected:
    std::unique_ptr<QProcess> launch(const QString& path, const QStringList& words,
                                     const QStringList& environment = {}) {
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
    }

    void killMidPass(const QString& program, const QStringList& arguments,
                     const QStringList& environment = {}) {
        auto pass = launch(program, arguments, environment);
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
    }

    // The runner's recovery, with its report; or any other run of the runner on the bus.
    QByteArray recover(const QStringList& arguments) {
        auto recovery = launch(SEQUATE_PASS_PROGRAM, QStringList{"--bus"} + arguments);
        EXPECT_TRUE(recovery->waitForFinished(120000));
        EXPECT_EQ(recovery->exitCode(), 0) << recovery->readAllStandardError().toStdString();
        EXPECT_FALSE(sim.passOpen());
        return recovery->readAllStandardOutput();
    }

    std::vector<std::string> names() { return namesOf(sim.state().documents[0]); }
    std::vector<std::string> layout() { return sim.state().layout.value().parts; }

    const host::sim::SimState start{
        {engine::testing::DesignGenerator(3000).design({3000, 0, false})}, std::nullopt};
    PrivateBus bus;
    HostSimProcess sim{bus, writeStateFile(start, "crash.json")};
    QTemporaryDir data;
};

TEST_F(CrashOverTheBus, TheWindowProgramKilledMidPassIsPutBack) {
    killMidPass(SEQUATE_PROGRAM, {}, {"QT_QPA_PLATFORM=offscreen", "SEQUATE_TEST_RUN_ALL=1"});
    EXPECT_TRUE(recover({"--recover", "undo"}).contains("\"recovered\": \"undo\""));
    EXPECT_EQ(namesOf(sim.state().documents[0]), namesOf(start.documents[0]));
}

// Two passes read by PowerPCB, then two put-backs: schematic and layout as they were.
TEST_F(CrashOverTheBus, TwoPutBacksTakeBackTwoPassesOnBothSides) {
    const auto before = names();
    recover({"--mode", "all"});
    const auto afterFirst = names();
    recover({"--mode", "all", "--start", "101"});
    ASSERT_NE(names(), afterFirst);
    EXPECT_TRUE(recover({"--put-back-last"}).contains("\"put_back\": true"));
    EXPECT_EQ(names(), afterFirst);
    EXPECT_EQ(layout(), afterFirst);
    EXPECT_TRUE(recover({"--put-back-last"}).contains("\"put_back\": true"));
    EXPECT_EQ(names(), before);
    EXPECT_EQ(layout(), before);
}

// Sequate killed while it puts a pass back: the next run carries the put-back on, layout too.
TEST_F(CrashOverTheBus, AKilledPutBackIsCarriedOnByTheNextRun) {
    const auto before = names();
    recover({"--mode", "all"});
    killMidPass(SEQUATE_PASS_PROGRAM, {"--bus", "--put-back-last"});
    ASSERT_NE(names(), before);
    recover({"--recover", "keep"});
    EXPECT_EQ(names(), before);
    EXPECT_EQ(layout(), before);
}

} // namespace

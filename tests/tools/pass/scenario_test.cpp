// Scenarios of whole runs, as data: each file under scenarios/ holds a state, the runner's
// arguments and the expected report, compared field by field (fields left out are not
// checked). "stopped_contains" lists texts the stop message must hold.

#include "host/sim/statefile.h"
#include "tools/pass/passrunner.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace sequate::tools {
namespace {

struct Scenario {
    QString file;
    QJsonObject data;
};

std::vector<Scenario> scenarios() {
    std::vector<Scenario> result;
    const QDir dir(SEQUATE_SCENARIOS_DIR);
    for (const QString& name : dir.entryList({"*.json"}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QJsonParseError error;
        const auto document = QJsonDocument::fromJson(file.readAll(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError)
            << name.toStdString() << ": " << error.errorString().toStdString();
        result.push_back({name, document.object()});
    }
    return result;
}

RunnerOutcome run(const Scenario& scenario) {
    const QByteArray state = QJsonDocument(scenario.data["state"].toObject()).toJson();
    std::vector<std::string> arguments{"scenario.json"};
    for (const auto& argument : scenario.data["args"].toArray())
        arguments.push_back(argument.toString().toStdString());
    return runPass(host::sim::parseState(state.toStdString(), scenario.file.toStdString()),
                   parseArguments(arguments));
}

std::string compact(const QJsonValue& value) {
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
}

TEST(Scenarios, EachRunGivesTheExpectedReportAndCountsItsHostCalls) {
    const auto all = scenarios();
    ASSERT_GE(all.size(), 15u);
    for (const Scenario& scenario : all) {
        SCOPED_TRACE(scenario.file.toStdString() + ": " +
                     scenario.data["about"].toString().toStdString());
        const RunnerOutcome outcome = run(scenario);
        EXPECT_GT(outcome.report["host_calls"].toDouble(), 0);
        const QJsonObject expect = scenario.data["expect"].toObject();
        for (auto field = expect.begin(); field != expect.end(); ++field) {
            const QString key = field.key();
            if (key == "exit") {
                EXPECT_EQ(outcome.exitStatus, field.value().toInt());
            } else if (key == "stopped_contains") {
                const std::string stopped = outcome.report["stopped"].toString().toStdString();
                for (const auto& part : field.value().toArray())
                    EXPECT_NE(stopped.find(part.toString().toStdString()), std::string::npos)
                        << "stop message: " << stopped;
            } else {
                ASSERT_TRUE(outcome.report.contains(key)) << key.toStdString();
                EXPECT_EQ(compact(outcome.report[key]), compact(field.value()))
                    << key.toStdString();
            }
        }
    }
}

} // namespace
} // namespace sequate::tools

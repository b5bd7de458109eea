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

std::string compact(const QJsonValue& value) {
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
}

TEST(Scenarios, EachRunGivesTheExpectedReportAndCountsItsHostCalls) {
    const QDir dir(SEQUATE_SCENARIOS_DIR);
    const QStringList files = dir.entryList({"*.json"}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 15);
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QJsonParseError error;
        const QJsonObject scenario = QJsonDocument::fromJson(file.readAll(), &error).object();
        SCOPED_TRACE(name.toStdString() + ": " + scenario["about"].toString().toStdString());
        ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        std::vector<std::string> arguments{"scenario.json"};
        for (const auto& argument : scenario["args"].toArray())
            arguments.push_back(argument.toString().toStdString());
        const QByteArray state = QJsonDocument(scenario["state"].toObject()).toJson();
        const RunnerOutcome outcome =
            runPass(host::sim::parseState(state.toStdString(), name.toStdString()),
                    parseArguments(arguments));
        EXPECT_GT(outcome.report["host_calls"].toDouble(), 0);
        const QJsonObject expect = scenario["expect"].toObject();
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

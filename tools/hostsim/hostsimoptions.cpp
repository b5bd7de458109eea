#include "hostsimoptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cstring>
#include <stdexcept>

namespace sequate::hostsim {

namespace {

const QString sampleName = QStringLiteral("sample.json");

QList<QCommandLineOption> optionList() {
    return {
        {QStringLiteral("no-window"), QStringLiteral("Serve the hosts without a window.")},
        {QStringLiteral("no-powerlogic"),
         QStringLiteral("Leave PowerLogic out: PowerLogic.Application is not running.")},
        {QStringLiteral("no-powerpcb"),
         QStringLiteral("Leave PowerPCB out: PowerPCB.Application is not running.")},
        {QStringLiteral("no-layout"), QStringLiteral("PowerPCB runs with no layout open.")},
        {QStringLiteral("test-control"),
         QStringLiteral("Also serve org.sequate.HostSim, through which tests act as the user.")},
        {QStringLiteral("exit-at-call"),
         QStringLiteral("Test only: end the program, as a crash would, when automation call K "
                        "comes in."),
         QStringLiteral("K")},
        {QStringLiteral("hang-at-call"),
         QStringLiteral("Test only: stop answering when automation call K comes in."),
         QStringLiteral("K")},
        {QStringLiteral("hang-ms"),
         QStringLiteral("Test only: how long the hang lasts (default 10000)."),
         QStringLiteral("MS")},
        {QStringLiteral("fail-at-call"),
         QStringLiteral("Test only: fail automation call K before it runs, with --fail-code."),
         QStringLiteral("K")},
        {QStringLiteral("fail-after-effect-at-call"),
         QStringLiteral("Test only: let automation call K take effect, then fail it with "
                        "--fail-code, as when its answer is lost on the way back."),
         QStringLiteral("K")},
        {QStringLiteral("fail-code"),
         QStringLiteral("Test only: the code of those failures, in hex (default 0x80004005)."),
         QStringLiteral("HEX")},
        {QStringLiteral("no-object-at-call"),
         QStringLiteral("Test only: answer \"no object\" when automation call K is one that "
                        "gives an object. May be given more than once."),
         QStringLiteral("K")},
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")},
    };
}

QCommandLineParser& configured(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("The simulated PowerLogic and PowerPCB on the D-Bus session bus."));
    parser.addOptions(optionList());
    parser.addPositionalArgument(QStringLiteral("state"),
                                 QStringLiteral("State file to load (default: the sample)."),
                                 QStringLiteral("[STATE.json]"));
    return parser;
}

QString findSample(const QString& executableDir) {
    const QStringList places{QDir(executableDir).filePath(QStringLiteral(SEQUATE_DATA_FROM_BIN)),
                             QStringLiteral(SEQUATE_SAMPLES_DIR)};
    for (const QString& place : places) {
        const QString path = QDir::cleanPath(QDir(place).filePath(sampleName));
        if (QFileInfo::exists(path))
            return path;
    }
    throw OptionError("no state file given, and " + sampleName.toStdString() + " is neither in " +
                      QDir::cleanPath(places[0]).toStdString() + " nor in " +
                      places[1].toStdString());
}

host::sim::FaultPlan faultPlan(const QCommandLineParser& parser) {
    host::sim::FaultPlan plan;
    try {
        for (const std::string_view option : host::sim::faultOptions) {
            const QString name = QString::fromLatin1(option.data(), qsizetype(option.size()));
            for (const QString& value : parser.values(name))
                host::sim::setFault(plan, option, value.toStdString());
        }
    } catch (const std::invalid_argument& problem) {
        throw OptionError(problem.what());
    }
    return plan;
}

} // namespace

HostSimOptions parseOptions(const QStringList& arguments, const QString& executableDir) {
    QCommandLineParser parser;
    if (!configured(parser).parse(arguments))
        throw OptionError(parser.errorText().toStdString());
    HostSimOptions options;
    options.help = parser.isSet(QStringLiteral("help"));
    options.window = !parser.isSet(QStringLiteral("no-window"));
    options.service.powerLogic = !parser.isSet(QStringLiteral("no-powerlogic"));
    options.service.powerPcb = !parser.isSet(QStringLiteral("no-powerpcb"));
    options.layout = !parser.isSet(QStringLiteral("no-layout"));
    options.service.testControl = parser.isSet(QStringLiteral("test-control"));
    options.faults = faultPlan(parser);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        throw OptionError("one state file at most, not " + std::to_string(files.size()));
    if (!options.help)
        options.stateFile = files.isEmpty() ? findSample(executableDir) : files.front();
    return options;
}

QString usageText() {
    QCommandLineParser parser;
    return configured(parser).helpText();
}

bool needsNoDisplay(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"--no-window", "--help", "-h"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

} // namespace sequate::hostsim

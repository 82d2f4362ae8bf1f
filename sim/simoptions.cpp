#include "sim/simoptions.h"

#include "sim/bmusimulator.h"

#include <QCommandLineParser>

namespace {

struct NumberOption {
    const char* name;
    const char* valueName;
    const char* description;
    int SimOptions::*field;
    int minimum;
};

// The options whose value is a whole number, with the field each one sets.
const NumberOption numberOptions[] = {
    {"split", "N", "Write every reply in N segments.", &SimOptions::splitSegments, 1},
    {"split-pause", "MS", "Pause between the segments of a split reply (default 20).",
     &SimOptions::splitPause, 0},
    {"delay", "MS", "Delay every reply.", &SimOptions::replyDelay, 0},
    {"drop-every", "N", "Send no reply to every Nth request.", &SimOptions::dropEvery, 0},
    {"corrupt-every", "N", "Corrupt the CRC of every Nth reply.", &SimOptions::corruptEvery, 0},
    {"close-after", "N", "Close each connection after N request frames.", &SimOptions::closeAfter,
     0},
    {"ready-delay", "MS",
     "Time until a fetched BMS block or history block is ready "
     "(default 200).",
     &SimOptions::readinessDelay, 0},
};

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Simulated BMU: raw Modbus-RTU over TCP, slave 1."));
    parser.addHelpOption();
    parser.addOption(
        {"listen", "Address and port to listen on (default 127.0.0.1:8080).", "HOST:PORT"});
    parser.addOption({"system", "Simulated system: hv, lv or qpa5 (default hv).", "NAME"});
    parser.addOption({"static", "Hold every measured value still."});
    parser.addOption({"seed",
                      "Generate cells, values and logs from seed N and hold the "
                      "values still.",
                      "N"});
    parser.addOption({"scenario",
                      "Apply a JSON scenario of register overrides, BMS bytes "
                      "and logs.",
                      "FILE"});
    for (const NumberOption& option : numberOptions)
        parser.addOption({QLatin1String(option.name), QLatin1String(option.description),
                          QLatin1String(option.valueName)});
    parser.addOption({"prepare-demo",
                      "Write a demo working folder (Config.ini and Data) "
                      "for the system into DIR and exit.",
                      "DIR"});
    parser.addOption({"data-root",
                      "With --prepare-demo: put the Data folder under ROOT "
                      "instead, for an update server.",
                      "ROOT"});
}

bool parseListen(const QString& text, SimOptions* options) {
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    QHostAddress host;
    if (!ok || port > 65535 || !host.setAddress(text.left(colon)))
        return false;
    options->host = host;
    options->port = quint16(port);
    return true;
}

} // namespace

QString simOptionsHelp() {
    QCommandLineParser parser;
    describe(parser);
    return parser.helpText();
}

bool parseSimOptions(const QStringList& arguments, SimOptions* options, QString* error) {
    QCommandLineParser parser;
    describe(parser);
    auto fail = [error](const QString& message) {
        *error = message;
        return false;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(
            QStringLiteral("Unexpected argument %1").arg(parser.positionalArguments().first()));
    options->help = parser.isSet(QStringLiteral("help"));
    if (parser.isSet("listen") && !parseListen(parser.value("listen"), options))
        return fail(QStringLiteral("--listen wants HOST:PORT, not %1").arg(parser.value("listen")));
    if (parser.isSet("system") && !parseSystemPreset(parser.value("system"), &options->preset))
        return fail(
            QStringLiteral("--system wants hv, lv or qpa5, not %1").arg(parser.value("system")));
    options->fixedValues = parser.isSet("static");
    if (parser.isSet("seed")) {
        bool ok = false;
        options->seed = parser.value("seed").toUInt(&ok);
        if (!ok)
            return fail(QStringLiteral("--seed wants a whole number"));
        options->seeded = true;
        options->fixedValues = true;
    }
    options->scenario = parser.value("scenario");
    for (const NumberOption& option : numberOptions) {
        if (!parser.isSet(option.name))
            continue;
        bool ok = false;
        const int value = parser.value(option.name).toInt(&ok);
        if (!ok || value < option.minimum)
            return fail(QStringLiteral("--%1 wants a whole number from %2")
                            .arg(QLatin1String(option.name))
                            .arg(option.minimum));
        options->*option.field = value;
    }
    options->prepareDemo = parser.value("prepare-demo");
    options->dataRoot = parser.value("data-root");
    return true;
}

bool applySimOptions(const SimOptions& options, BmuSimulator& simulator, QString* error) {
    simulator.setSplitReplies(options.splitSegments, options.splitPause);
    simulator.setReplyDelay(options.replyDelay);
    simulator.setDropEveryNth(options.dropEvery);
    simulator.setCorruptEveryNth(options.corruptEvery);
    simulator.setCloseAfterFrames(options.closeAfter);
    simulator.setReadinessDelay(options.readinessDelay);
    simulator.setStatic(options.fixedValues);
    if (options.seeded)
        simulator.setSeed(options.seed);
    return options.scenario.isEmpty() || simulator.loadScenario(options.scenario, error);
}

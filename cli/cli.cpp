#include "cli/cli.h"

#include "cli/clitext.h"
#include "cli/command.h"
#include "cli/console.h"
#include "cli/exitcode.h"
#include "cli/interruptwatch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

const char programName[] = "voltaro-cli";

struct GlobalOptionSet {
    QCommandLineOption bmu{QStringLiteral("bmu"),
                           Cli::tr("Address of the BMU (default from Config.ini, group "
                                   "Link, else 192.168.4.1:8080)."),
                           QStringLiteral("HOST[:PORT]")};
    QCommandLineOption demo{QStringLiteral("demo"),
                            Cli::tr("Work with a simulated BMU started inside the program.")};
    QCommandLineOption system{QStringLiteral("system"),
                              Cli::tr("The simulated system of --demo: hv, lv or qpa5."),
                              QStringLiteral("SYSTEM"), QStringLiteral("hv")};
    QCommandLineOption format{QStringLiteral("format"),
                              Cli::tr("Output as an aligned table, JSON or CSV."),
                              QStringLiteral("table|json|csv"), QStringLiteral("table")};
    QCommandLineOption out{QStringLiteral("out"),
                           Cli::tr("Write the result into FILE instead, by its extension: "
                                   ".xlsx, .csv, .json, else tab-separated text."),
                           QStringLiteral("FILE")};
    QCommandLineOption timeout{QStringLiteral("timeout"),
                               Cli::tr("Silence after which a request counts as "
                                       "unanswered; the connection attempt and a stalled "
                                       "history read scale with it (5000 at 3000)."),
                               QStringLiteral("MS"), QStringLiteral("3000")};
    QCommandLineOption retries{QStringLiteral("retries"),
                               Cli::tr("Further attempts of a connection or of a read "
                                       "(refresh, BMS information) that failed."),
                               QStringLiteral("N"), QStringLiteral("0")};
    QCommandLineOption fast{QStringLiteral("fast"),
                            Cli::tr("Fast reads: history blocks and BMS pages paced by "
                                    "the replies instead of the system's steps.")};
    QCommandLineOption verbose{{QStringLiteral("v"), QStringLiteral("verbose")},
                               Cli::tr("Print every frame sent and received, in hex with "
                                       "a time stamp, on the error stream.")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            Cli::tr("Describe the program, or the command given.")};
    QCommandLineOption version{QStringLiteral("version"), Cli::tr("Print the program's version.")};

    QList<QCommandLineOption> all() const {
        return {bmu, demo, system, format, out, timeout, retries, fast, verbose, help, version};
    }
};

const char exitCodeText[] = QT_TRANSLATE_NOOP(
    "Cli", "Exit codes: 0 done, 1 the BMU or the server refused or the operation "
           "failed, 2 usage error, 3 BMU or server unreachable, 4 file unreadable "
           "or refused, 130 stopped with Ctrl+C.\n");

int usageError(Console& console, const QString& text, const QString& command = QString()) {
    console.error(text);
    console.message(Cli::tr("Try '%1 %2--help'.")
                        .arg(QLatin1String(programName),
                             command.isEmpty() ? QString() : command + QLatin1Char(' ')));
    return ExitUsage;
}

// The option lines of a parser's help, without its usage line: what follows the first
// empty line, since Qt's own catalogue may translate the "Options:" heading.
QString optionLines(QCommandLineParser& parser) {
    const QString text = parser.helpText();
    const int options = text.indexOf(QLatin1String("\n\n"));
    return options < 0 ? QString() : text.mid(options + 2);
}

QString programHelp(const std::vector<std::unique_ptr<Command>>& commands,
                    const GlobalOptionSet& global) {
    QString text = Cli::tr("Usage: %1 [options] COMMAND [arguments]\n"
                           "The battery system's service tool without a window: every "
                           "operation of the window, scriptable.\n\nCommands:\n")
                       .arg(QLatin1String(programName));
    for (const auto& command : commands)
        text +=
            QStringLiteral("  %1%2\n").arg(command->name().leftJustified(11), command->summary());
    QCommandLineParser parser;
    parser.addOptions(global.all());
    const QString commandHelpHint =
        Cli::tr("'%1 COMMAND --help' describes a command.\n").arg(QLatin1String(programName));
    return text + QLatin1Char('\n') + optionLines(parser) + QLatin1Char('\n') +
           Cli::tr(exitCodeText) + commandHelpHint;
}

QString commandHelp(const Command& command, QCommandLineParser& parser) {
    QString usage =
        Cli::tr("Usage: %1 [options] %2").arg(QLatin1String(programName), command.name());
    if (!command.arguments().isEmpty())
        usage += QLatin1Char(' ') + command.arguments();
    return usage + QStringLiteral("\n%1\n\n").arg(command.summary()) + optionLines(parser) +
           QLatin1Char('\n') + Cli::tr(exitCodeText);
}

bool intOption(const QCommandLineParser& parser, const QCommandLineOption& option, int low,
               int high, int* value, QString* error) {
    bool ok = false;
    const QString text = parser.value(option);
    *value = text.toInt(&ok);
    if (ok && *value >= low && *value <= high)
        return true;
    *error = Cli::tr("--%1 must be a whole number from %2 to %3, not \"%4\".")
                 .arg(option.names().constLast())
                 .arg(low)
                 .arg(high)
                 .arg(text);
    return false;
}

// The session's intervals at the environment's scale, with every silence limit scaled by
// the --timeout given against the system's reply limit.
SessionTiming timingFor(int timeoutMs, double scale) {
    SessionTiming t = SessionTiming().scaled(scale);
    const double factor = timeoutMs / double(SessionTiming().replyLimitMs);
    for (int* limit : {&t.connectLimitMs, &t.replyLimitMs, &t.setupEchoLimitMs, &t.historyStallMs,
                       &t.transferRepeatMs})
        *limit = qMax(1, int(*limit * factor + 0.5));
    return t;
}

bool takeGlobalOptions(const QCommandLineParser& parser, const GlobalOptionSet& global,
                       const CliEnvironment& environment, GlobalOptions* options, QString* error) {
    const AppSettings settings = AppSettings::load();
    LinkSettings& link = options->link;
    link.host = settings.bmuHost;
    link.port = settings.bmuPort;
    options->updateServer = settings.updateServer;
    if (parser.isSet(global.bmu)) {
        if (parser.isSet(global.demo)) {
            *error = Cli::tr("--bmu and --demo exclude each other.");
            return false;
        }
        if (!parseEndpoint(parser.value(global.bmu), &link.host, &link.port)) {
            *error = Cli::tr("--bmu must be HOST or HOST:PORT.");
            return false;
        }
    }
    link.demo = parser.isSet(global.demo);
    if (!parseSystemPreset(parser.value(global.system), &link.preset)) {
        *error = Cli::tr("--system must be hv, lv or qpa5.");
        return false;
    }
    if (!parseOutputFormat(parser.value(global.format), &options->format)) {
        *error = Cli::tr("--format must be table, json or csv.");
        return false;
    }
    options->outFile = parser.value(global.out);
    int timeoutMs = 0;
    if (!intOption(parser, global.timeout, 100, 600000, &timeoutMs, error) ||
        !intOption(parser, global.retries, 0, 10, &link.retries, error))
        return false;
    link.timing = timingFor(timeoutMs, environment.timeScale);
    link.timing.fastReads = parser.isSet(global.fast);
    link.simulatorScale = environment.timeScale;
    link.trace = parser.isSet(global.verbose);
    return true;
}

} // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err, bool errIsTerminal,
           const CliEnvironment& environment) {
    Console console(out, err, errIsTerminal);
    const auto commands = makeCommands();
    const GlobalOptionSet global;

    // First the options before the command, and the command itself.
    QCommandLineParser first;
    first.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    first.addOptions(global.all());
    if (!first.parse(arguments))
        return usageError(console, first.errorText());
    if (first.isSet(global.version)) {
        out << programName << ' ' << VOLTARO_VERSION << '\n';
        return ExitDone;
    }
    const QStringList rest = first.positionalArguments();
    if (rest.isEmpty()) {
        if (!first.isSet(global.help))
            return usageError(console, Cli::tr("No command given."));
        out << programHelp(commands, global);
        return ExitDone;
    }
    Command* command = nullptr;
    for (const auto& candidate : commands)
        if (candidate->name() == rest.first())
            command = candidate.get();
    if (!command)
        return usageError(console, Cli::tr("Unknown command \"%1\".").arg(rest.first()));

    // Then the whole line again with the command's own options.
    QCommandLineParser parser;
    parser.addOptions(command->options());
    parser.addOptions(global.all());
    if (!parser.parse(arguments.mid(0, arguments.size() - rest.size()) + rest.mid(1)))
        return usageError(console, parser.errorText(), command->name());
    if (parser.isSet(global.help)) {
        out << commandHelp(*command, parser);
        return ExitDone;
    }
    GlobalOptions options;
    QString error;
    if (!takeGlobalOptions(parser, global, environment, &options, &error) ||
        !command->take(parser, &error))
        return usageError(console, error, command->name());

    int code = ExitDone;
    {
        InterruptWatch interrupt;
        CommandContext context(options, console, interrupt);
        code = command->run(context);
    }
    // Nested loops ran the operations: what they left for deletion goes now, before the
    // program ends without another turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}

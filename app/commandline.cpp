#include "app/commandline.h"

#include "app/settings.h"

#include <QCommandLineParser>

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Service and commissioning tool for the battery storage system."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption setPassword(
        QStringLiteral("set-password"),
        QStringLiteral("Write the password of ROLE (installer, service_partner, "
                       "inverter_partner, admin) into Config.ini in the current directory "
                       "and exit. Takes ROLE and PASSWORD as arguments."));
    const QCommandLineOption bmu(QStringLiteral("bmu"),
                                 QStringLiteral("Address of the BMU (default from Config.ini, "
                                                "group Link, else 192.168.4.1:8080)."),
                                 QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption updateServer(
        QStringLiteral("update-server"),
        QStringLiteral("FTP server that firmware and parameter tables are downloaded from."),
        QStringLiteral("ftp://HOST[:PORT]"));
    const QCommandLineOption demo(
        QStringLiteral("demo"), QStringLiteral("Connect to a simulated BMU run inside the tool."));
    const QCommandLineOption system(QStringLiteral("system"),
                                    QStringLiteral("Simulated system of the demo mode: hv, lv "
                                                   "or qpa5."),
                                    QStringLiteral("SYSTEM"), QStringLiteral("hv"));
    const QCommandLineOption trace(
        QStringLiteral("trace"),
        QStringLiteral("Write debug traces to the terminal, one line per frame sent or received."));
    parser.addOptions({setPassword, bmu, updateServer, demo, system, trace});
    parser.addPositionalArgument(QStringLiteral("ROLE PASSWORD"),
                                 QStringLiteral("With --set-password only."));

    CommandLine result;
    result.helpText = parser.helpText();
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        result.error = result.helpText;
        return result;
    }

    if (parser.isSet(QStringLiteral("version"))) {
        result.version = true;
        return result;
    }

    const QStringList positional = parser.positionalArguments();
    result.setPassword = parser.isSet(setPassword);
    if (result.setPassword) {
        if (positional.size() != 2 || !roleNames().contains(positional[0])) {
            result.error = QStringLiteral("--set-password needs ROLE PASSWORD, ROLE one of: %1")
                               .arg(roleNames().join(QStringLiteral(", ")));
            return result;
        }
        result.role = positional[0];
        result.password = positional[1];
    } else if (!positional.isEmpty()) {
        result.error = QStringLiteral("Unexpected argument: %1").arg(positional.first());
        return result;
    }

    result.trace = parser.isSet(trace);
    result.demo = parser.isSet(demo);
    result.system = parser.value(system);
    if (!QStringList{QStringLiteral("hv"), QStringLiteral("lv"), QStringLiteral("qpa5")}.contains(
            result.system)) {
        result.error = QStringLiteral("--system must be hv, lv or qpa5");
        return result;
    }
    result.bmu = parser.value(bmu);
    if (!result.bmu.isEmpty()) {
        QString host;
        quint16 port = 8080;
        if (!parseEndpoint(result.bmu, &host, &port)) {
            result.error = QStringLiteral("--bmu must be HOST or HOST:PORT");
            return result;
        }
    }
    result.updateServer = parser.value(updateServer);
    if (!result.updateServer.isEmpty()) {
        UpdateServer server;
        if (!parseUpdateServerUrl(result.updateServer, &server)) {
            result.error = QStringLiteral("--update-server must be ftp://HOST or ftp://HOST:PORT");
            return result;
        }
    }
    return result;
}

#include "app/application.h"

#include "app/commandline.h"
#include "app/demomode.h"
#include "app/language.h"
#include "app/logcategories.h"
#include "app/login.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "app/version.h"
#include "sim/bmusimulator.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTextStream>

#include <memory>

namespace {

QStringList argumentList(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int storePassword(const CommandLine& command) {
    QTextStream out(stdout);
    QString error;
    if (!storeRolePassword(command.role, command.password, AppSettings::fileName(), &error)) {
        QTextStream(stderr) << "Could not write " << AppSettings::fileName() << ": " << error
                            << '\n';
        return 1;
    }
    out << "The password of " << command.role << " is stored in " << AppSettings::fileName()
        << ".\n";
    return 0;
}

// The window and, in demo mode, its simulated BMU. Another interface language builds both
// anew before anyone logs in: the window sets its texts as it is made.
class WindowHost {
public:
    explicit WindowHost(const CommandLine& command)
        : command(command) {}

    bool open(QString* error) {
        window = std::make_unique<MainWindow>();
        if (!reopened) {
            for (const QString& warning : window->settings().warnings)
                QTextStream(stderr) << warning << '\n';
        }
        if (!command.bmu.isEmpty()) {
            QString host = window->settings().bmuHost;
            quint16 port = window->settings().bmuPort;
            parseEndpoint(command.bmu, &host, &port);
            window->setBmuEndpoint(host, port);
        }
        if (!command.updateServer.isEmpty()) {
            UpdateServer server = window->settings().updateServer;
            parseUpdateServerUrl(command.updateServer, &server);
            window->setUpdateServer(server);
        }
        if (command.demo) {
            simulator = startDemo(*window, command.system, error);
            if (!simulator)
                return false;
            if (!reopened)
                QTextStream(stdout)
                    << "Demo mode: simulated " << command.system
                    << " system on 127.0.0.1:" << window->settings().bmuPort << '\n';
        }
        // Queued: the login window that asks is part of the window to be replaced.
        QObject::connect(
            window->loginWindow(), &Login::languageChosen, QCoreApplication::instance(),
            [this](const QString& code) { reopen(code); }, Qt::QueuedConnection);
        return true;
    }

private:
    void reopen(const QString& code) {
        rememberLanguage(code);
        installLanguage(code);
        reopened = true;
        window.reset();
        simulator.reset();
        QString error;
        if (!open(&error)) {
            QTextStream(stderr) << error << '\n';
            QCoreApplication::exit(1);
        }
    }

    const CommandLine command;
    bool reopened = false;
    // Declared before the window so that it outlives the window's link.
    std::unique_ptr<BmuSimulator> simulator;
    std::unique_ptr<MainWindow> window;
};

} // namespace

// Writing a password or printing help or the version needs no display, so no GUI application
// either.
bool runsWithoutWindow(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--set-password") || argument == QLatin1String("--help") ||
            argument == QLatin1String("-h") || argument == QLatin1String("--version") ||
            argument == QLatin1String("-v"))
            return true;
    }
    return false;
}

int runVoltaro(int argc, char* argv[]) {
    const QStringList arguments = argumentList(argc, argv);
    std::unique_ptr<QCoreApplication> app;
    if (runsWithoutWindow(arguments))
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("voltaro"));
    QCoreApplication::setApplicationVersion(QLatin1String(VoltaroVersion));

    const CommandLine command = parseCommandLine(arguments);
    if (!command.error.isEmpty()) {
        const bool help = command.error == command.helpText;
        QTextStream(help ? stdout : stderr) << command.error << '\n';
        return help ? 0 : 2;
    }
    if (command.version) {
        QTextStream(stdout) << "voltaro " << VoltaroVersion << '\n';
        return 0;
    }
    if (command.setPassword)
        return storePassword(command);
    if (command.trace)
        QLoggingCategory::setFilterRules(QLatin1String(TraceAllRule));
    installLanguage(preferredLanguage());
    WindowHost host(command);
    QString error;
    if (!host.open(&error)) {
        QTextStream(stderr) << error << '\n';
        return 1;
    }
    return app->exec();
}

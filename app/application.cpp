#include "app/application.h"

#include "app/commandline.h"
#include "app/demomode.h"
#include "app/login.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "sim/bmusimulator.h"

#include <QApplication>
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

} // namespace

// Writing a password or printing help needs no display, so no GUI application either.
bool runsWithoutWindow(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--set-password") || argument == QLatin1String("--help") ||
            argument == QLatin1String("-h"))
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

    const CommandLine command = parseCommandLine(arguments);
    if (!command.error.isEmpty()) {
        const bool help = command.error == command.helpText;
        QTextStream(help ? stdout : stderr) << command.error << '\n';
        return help ? 0 : 2;
    }
    if (command.setPassword)
        return storePassword(command);
    // Declared before the window so that it outlives the window's link.
    std::unique_ptr<BmuSimulator> simulator;
    MainWindow window;
    for (const QString& warning : window.settings().warnings)
        QTextStream(stderr) << warning << '\n';
    if (!command.bmu.isEmpty()) {
        QString host = window.settings().bmuHost;
        quint16 port = window.settings().bmuPort;
        parseEndpoint(command.bmu, &host, &port);
        window.setBmuEndpoint(host, port);
    }
    if (!command.updateServer.isEmpty()) {
        UpdateServer server = window.settings().updateServer;
        parseUpdateServerUrl(command.updateServer, &server);
        window.setUpdateServer(server);
    }
    if (command.demo) {
        QString error;
        simulator = startDemo(window, command.system, &error);
        if (!simulator) {
            QTextStream(stderr) << error << '\n';
            return 1;
        }
        QTextStream(stdout) << "Demo mode: simulated " << command.system
                            << " system on 127.0.0.1:" << window.settings().bmuPort << '\n';
        // Connected and refreshed once the user has logged in, whichever role.
        auto* once = new QObject(&window);
        for (auto role :
             {&Login::installer, &Login::service_partner, &Login::inverter_partner, &Login::admin})
            QObject::connect(window.loginWindow(), role, once, [&window, once] {
                once->deleteLater(); // the first login only
                window.connectAndRefresh();
            });
    }
    return app->exec();
}

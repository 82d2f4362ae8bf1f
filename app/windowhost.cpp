#include "app/windowhost.h"

#include "app/demomode.h"
#include "app/language.h"
#include "app/login.h"
#include "app/mainwindow.h"
#include "sim/bmusimulator.h"

#include <QCoreApplication>
#include <QTextStream>

WindowHost::WindowHost(const CommandLine& command)
    : command(command) {}

WindowHost::~WindowHost() {
    mainWindow.reset(); // before the simulator its link points at
}

bool WindowHost::open(QString* error) {
    mainWindow = std::make_unique<MainWindow>();
    if (!reopened) {
        for (const QString& warning : mainWindow->settings().warnings)
            QTextStream(stderr) << warning << '\n';
    }
    if (!command.bmu.isEmpty()) {
        QString host = mainWindow->settings().bmuHost;
        quint16 port = mainWindow->settings().bmuPort;
        parseEndpoint(command.bmu, &host, &port);
        mainWindow->setBmuEndpoint(host, port);
    }
    if (!command.updateServer.isEmpty()) {
        UpdateServer server = mainWindow->settings().updateServer;
        parseUpdateServerUrl(command.updateServer, &server);
        mainWindow->setUpdateServer(server);
    }
    if (command.demo) {
        simulator = startDemo(*mainWindow, command.system, error);
        if (!simulator)
            return false;
        if (!reopened)
            QTextStream(stdout) << "Demo mode: simulated " << command.system
                                << " system on 127.0.0.1:" << mainWindow->settings().bmuPort
                                << '\n';
        // Connected and refreshed once the user has logged in, whichever role.
        MainWindow* window = mainWindow.get();
        auto* once = new QObject(window);
        for (auto role :
             {&Login::installer, &Login::service_partner, &Login::inverter_partner, &Login::admin})
            QObject::connect(window->loginWindow(), role, once, [window, once] {
                once->deleteLater(); // the first login only
                window->connectAndRefresh();
            });
    }
    // Queued: the login window that asks is part of the window to be replaced.
    QObject::connect(
        mainWindow->loginWindow(), &Login::languageChosen, &requests,
        [this](const QString& code) { reopen(code); }, Qt::QueuedConnection);
    return true;
}

void WindowHost::reopen(const QString& code) {
    rememberLanguage(code);
    installLanguage(code);
    reopened = true;
    const QPoint loginAt = mainWindow->loginWindow()->pos();
    mainWindow.reset();
    simulator.reset();
    QString error;
    if (!open(&error)) {
        QTextStream(stderr) << error << '\n';
        QCoreApplication::exit(1);
        return;
    }
    mainWindow->loginWindow()->move(loginAt); // the new login window where the old one was
}

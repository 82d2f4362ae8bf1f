#include "app/application.h"

#include "app/commandline.h"
#include "app/language.h"
#include "app/logcategories.h"
#include "app/settings.h"
#include "app/version.h"
#include "app/windowhost.h"

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

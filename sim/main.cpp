#include "sim/bmusimulator.h"
#include "sim/demodata.h"
#include "sim/simoptions.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("voltaro-bmu-sim"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    SimOptions options;
    QString error;
    if (!parseSimOptions(QCoreApplication::arguments(), &options, &error)) {
        err << error << "\n";
        return 2;
    }
    if (options.help) {
        out << simOptionsHelp();
        return 0;
    }
    if (!options.prepareDemo.isEmpty()) {
        if (!prepareDemoFolder(options.prepareDemo, options.preset, options.dataRoot, &error)) {
            err << error << "\n";
            return 1;
        }
        out << "Demo folder prepared in " << options.prepareDemo << "\n"
            << "Demo passwords:\n";
        for (const DemoPassword& entry : demoPasswords())
            out << "  " << QString::fromLatin1(entry.role).leftJustified(18) << entry.password
                << "\n";
        return 0;
    }

    BmuSimulator simulator(options.preset);
    if (!applySimOptions(options, simulator, &error)) {
        err << "Scenario " << options.scenario << ": " << error << "\n";
        return 1;
    }
    if (!simulator.listen(options.host, options.port)) {
        err << "Cannot listen on " << options.host.toString() << ":" << options.port << ": "
            << simulator.errorString() << "\n";
        return 1;
    }
    out << "Simulated " << systemPresetName(options.preset) << " BMU listening on "
        << options.host.toString() << ":" << simulator.serverPort() << "\n";
    out.flush();
    return app.exec();
}

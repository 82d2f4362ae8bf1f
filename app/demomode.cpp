#include "app/demomode.h"

#include "app/mainwindow.h"
#include "sim/bmusimulator.h"

std::unique_ptr<BmuSimulator> startDemo(MainWindow& window, const QString& system, QString* error) {
    SystemPreset preset = SystemPreset::HighVoltage;
    if (!parseSystemPreset(system, &preset)) {
        *error = QStringLiteral("Unknown simulated system: %1").arg(system);
        return nullptr;
    }
    auto simulator = std::make_unique<BmuSimulator>(preset);
    if (!simulator->listen(QHostAddress::LocalHost, 0)) {
        *error =
            QStringLiteral("The simulated BMU cannot listen: %1").arg(simulator->errorString());
        return nullptr;
    }
    window.setBmuEndpoint(QStringLiteral("127.0.0.1"), simulator->serverPort());
    return simulator;
}

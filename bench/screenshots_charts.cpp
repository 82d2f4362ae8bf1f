// Takes the screenshots of the cell chart and the link monitor for the README: the window
// as the admin sees it, linked to the in-process simulated five-module QPA tower, after a
// Refresh and a Read of BMS 1.
//
//   QT_QPA_PLATFORM=offscreen screenshots_charts [folder]   (default docs/screenshots)

#include "bench/benchwait.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "docs/screenshots";
    QDir().mkpath(folder);

    BmuSimulator simulator(SystemPreset::Qpa5);
    simulator.setReadinessDelay(100);
    MainWindow window;
    if (!simulator.listen() || !connectAdminWindow(window, simulator.serverPort()))
        return 1;
    window.findChild<QPushButton*>("Btn_LinkMonitor")->click();
    if (!pressAndWait(window, "Btn_Refresh"))
        return 2;
    showCellChart(window);
    if (!pressAndWait(window, "Btn_BMSInfo_Read"))
        return 2;
    QApplication::processEvents();

    const QString chartShot = folder + "/diagnosis-cell-chart.png";
    const QString monitorShot = folder + "/link-monitor.png";
    auto* monitor = window.findChild<QWidget*>("LinkMonitorWindow");
    if (!window.grab().save(chartShot) || !monitor || !monitor->grab().save(monitorShot))
        return 3;
    std::printf("%s\n%s\n", qPrintable(chartShot), qPrintable(monitorShot));
    std::fflush(stdout); // before the leak check of a sanitizer build ends the process
    return 0;
}

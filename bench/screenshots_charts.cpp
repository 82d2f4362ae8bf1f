// Takes the screenshots of the cell chart and the link monitor for the README: the window
// as the admin sees it, linked to the in-process simulated five-module QPA tower, after a
// Refresh and a Read of BMS 1.
//
//   QT_QPA_PLATFORM=offscreen screenshots_charts [folder]   (default docs/screenshots)

#include "app/mainwindow.h"
#include "bench/benchwait.h"
#include "link/bmusession.h"
#include "sim/bmusimulator.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "docs/screenshots";
    QDir().mkpath(folder);

    BmuSimulator simulator(SystemPreset::Qpa5);
    simulator.setReadinessDelay(100);
    if (!simulator.listen(QHostAddress::LocalHost, 0))
        return 1;
    MainWindow window;
    if (!connectAdminWindow(window, simulator.serverPort()))
        return 2;
    window.findChild<QPushButton*>("Btn_LinkMonitor")->click();
    if (!pressAndWait(window, "Btn_Refresh"))
        return 3;

    auto* tabs = window.findChild<QTabWidget*>("tabWidget");
    tabs->setCurrentWidget(window.findChild<QWidget*>("tab_2"));
    auto* diagnosis = window.findChild<QTabWidget*>("tabWidget_2");
    diagnosis->setCurrentWidget(window.findChild<QWidget*>("tab_CellChart"));
    if (!pressAndWait(window, "Btn_BMSInfo_Read"))
        return 4;
    QApplication::processEvents();

    const QString chartShot = folder + "/diagnosis-cell-chart.png";
    const QString monitorShot = folder + "/link-monitor.png";
    if (!window.grab().save(chartShot))
        return 5;
    auto* monitor = window.findChild<QWidget*>("LinkMonitorWindow");
    if (!monitor || !monitor->grab().save(monitorShot))
        return 6;
    std::printf("%s\n%s\n", qPrintable(chartShot), qPrintable(monitorShot));
    std::fflush(stdout);
    return 0;
}

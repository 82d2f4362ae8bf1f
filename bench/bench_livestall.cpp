// Benchmark: the longest stall of the window's event loop (the longest gap between two
// ticks of a 10 ms timer) while Live refreshes every 5 s with the cell chart and the link
// monitor open, over a history read of 200 records at the system's pace. Also saves the
// README's screenshot of System Info with Live on.
//
//   QT_QPA_PLATFORM=offscreen bench_livestall [screenshot folder]   (default docs/screenshots)

#include "bench/benchwait.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    QTemporaryDir settings; // the user's own settings (a remembered Live, say) stay out
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "docs/screenshots";
    QDir().mkpath(folder);

    BmuSimulator simulator(SystemPreset::HighVoltage);
    MainWindow window;
    BmuSession* session = window.bmuSession();
    if (!simulator.listen() || !connectAdminWindow(window, simulator.serverPort()) ||
        !pressAndWait(window, "Btn_Refresh"))
        return 1;

    auto* interval = window.findChild<QComboBox*>("comboBox_LiveInterval");
    interval->setCurrentIndex(interval->findData(5));
    window.findChild<QCheckBox*>("checkBox_Live")->setChecked(true);
    waitFor(session, &BmuSession::operationFinished, 8000); // the first live read
    QApplication::processEvents();
    const QString liveShot = folder + "/system-info-live.png";
    window.grab().save(liveShot);

    window.findChild<QPushButton*>("Btn_LinkMonitor")->click();
    showCellChart(window);
    StallMeter stall;
    QElapsedTimer clock;
    clock.start();
    window.findChild<QLineEdit*>("lineEdit_His_Data_Qty")->setText("200");
    // Pressed whatever Live reads: the read starts once Live's read under way has given way.
    window.findChild<QPushButton*>("Btn_HistoryInfo")->click();
    while (session->isBusy() || clock.elapsed() < 1000)
        waitFor(session, &BmuSession::operationFinished, 120000);
    std::printf("history read of 200 records with Live every 5 s, chart and link monitor open\n");
    std::printf("read took        %.1f s\n", clock.elapsed() / 1000.0);
    std::printf("longest stall    %lld ms (between 10 ms ticks)\n", stall.longestMs);
    std::printf("screenshot       %s\n", qPrintable(liveShot));
    return 0;
}

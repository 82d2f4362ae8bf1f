#pragma once

// Set-up shared by the benchmarks and the screenshot programs: the event loop run until a
// signal, a session or the window linked to a BMU on loopback, and the longest stall of
// the event loop.

#include "app/mainwindow.h"
#include "link/bmusession.h"
#include "sim/bmusimulator.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

// Runs the event loop until `signal` of `sender` fires, or for at most `limitMs`.
template <typename Sender, typename Signal>
bool waitFor(Sender* sender, Signal signal, int limitMs = 20000) {
    QEventLoop loop;
    bool fired = false;
    QObject::connect(sender, signal, &loop, [&] {
        fired = true;
        loop.quit();
    });
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    loop.exec();
    return fired;
}

// Shows the window as the admin sees it on a 1366 x 768 screen and connects it to the BMU
// on `port`; false when the link does not come up.
inline bool connectAdminWindow(MainWindow& window, quint16 port) {
    window.setBmuEndpoint(QStringLiteral("127.0.0.1"), port);
    QMetaObject::invokeMethod(&window, "showAdminView");
    window.resize(1366, 768);
    window.findChild<QPushButton*>("Btn_ConnectTCP")->click();
    if (!waitFor(window.bmuSession()->link(), &BmuLink::connected))
        return false;
    for (QMessageBox* box : window.findChildren<QMessageBox*>())
        box->close();
    return true;
}

// Presses the button and waits for the operation it starts to end.
inline bool pressAndWait(MainWindow& window, const char* button, int limitMs = 20000) {
    window.findChild<QPushButton*>(button)->click();
    return waitFor(window.bmuSession(), &BmuSession::operationFinished, limitMs);
}

// Shows Diagnosis > Cell Chart.
inline void showCellChart(MainWindow& window) {
    window.findChild<QTabWidget*>("tabWidget")
        ->setCurrentWidget(window.findChild<QWidget*>("tab_2"));
    window.findChild<QTabWidget*>("tabWidget_2")
        ->setCurrentWidget(window.findChild<QWidget*>("tab_CellChart"));
}

// The longest gap between two ticks of a 10 ms timer since the meter was made: how long the
// event loop of this thread stalled.
struct StallMeter {
    StallMeter() {
        QObject::connect(&ticks, &QTimer::timeout,
                         [this] { longestMs = qMax(longestMs, sinceTick.restart()); });
        ticks.start(10);
        sinceTick.start();
    }
    QTimer ticks;
    QElapsedTimer sinceTick;
    qint64 longestMs = 0;
};

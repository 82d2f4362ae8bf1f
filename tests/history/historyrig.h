#pragma once

#include "app/login.h"
#include "app/mainwindow.h"
#include "sim/bmusimulator.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

// One block takes about 4 s on the step timer: echo, poll, five pages, the pause.
constexpr int BlockMs = 7000;

// Record k of a test log is stamped 2023-06-01 10:k:00, so rows show which record they hold.
inline QByteArray timeOf(int k) {
    return QByteArray::fromHex("170601") + char(10 + k / 60) + char(k % 60) + char(0);
}

inline QString timeText(int k) {
    return QStringLiteral("2023-06-01 %1:%2:00")
        .arg(10 + k / 60, 2, 10, QLatin1Char('0'))
        .arg(k % 60, 2, 10, QLatin1Char('0'));
}

// The main window connected to an in-process simulated BMU, with the History tab's
// widgets at hand. The unit list holds the BMU and BMS1..BMS3 as a refresh would fill it.
class HistoryRig {
public:
    explicit HistoryRig(SystemPreset preset = SystemPreset::HighVoltage)
        : sim(preset) {
        sim.setStatic(true);
        emit window.loginWindow()->admin();
        unit()->addItems({"BMU", "BMS1", "BMS2", "BMS3"});
        unit()->setCurrentIndex(0);
    }

    // Connects the window to the simulator; false when the link does not come up.
    bool connectLink() {
        if (!sim.listen())
            return false;
        window.setBmuEndpoint(QStringLiteral("127.0.0.1"), sim.serverPort());
        auto* button = child<QPushButton>("Btn_ConnectTCP");
        QTest::mouseClick(button, Qt::LeftButton);
        const bool up =
            QTest::qWaitFor([&] { return button->text() == QLatin1String("Disconnect"); }, 5000) &&
            QTest::qWaitFor([&] { return sim.openConnections() == 1; }, 5000);
        // The "Connection successfully!" box is not part of what the tests look at.
        for (QMessageBox* box : window.findChildren<QMessageBox*>())
            box->close();
        return up;
    }

    template <class T> T* child(const char* name) {
        T* widget = window.findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

    QComboBox* unit() { return child<QComboBox>("comboBox_ReadHistoryInfo"); }
    QTableWidget* events() { return child<QTableWidget>("tableWidget_Events"); }
    QPushButton* readButton() { return child<QPushButton>("Btn_HistoryInfo"); }
    QTableWidget* table(int unitIndex) {
        const QString name = unitIndex == 0
                                 ? QStringLiteral("tableWidget_HistoryInfo_BMU")
                                 : QStringLiteral("tableWidget_HistoryInfo_BMS_%1").arg(unitIndex);
        return child<QTableWidget>(qPrintable(name));
    }

    // Types the quantity and presses " Read".
    void read(const QString& quantity) {
        child<QLineEdit>("lineEdit_His_Data_Qty")->setText(quantity);
        QTest::mouseClick(readButton(), Qt::LeftButton);
    }

    QProgressDialog* progress() { return window.findChild<QProgressDialog*>(); }

    // The texts of the message boxes open now.
    QStringList messages() {
        QStringList texts;
        for (QMessageBox* box : window.findChildren<QMessageBox*>())
            if (box->isVisible())
                texts << box->text();
        return texts;
    }

    // Block requests the simulator received, selector by selector.
    QVector<int> blockSelectors() const {
        QVector<int> selectors;
        for (const QByteArray& frame : sim.requestLog())
            if (frame.startsWith(QByteArray::fromHex("011005a0000204")))
                selectors << (quint8(frame[7]) << 8 | quint8(frame[8]));
        return selectors;
    }

    QStringList rowTexts(QTableWidget* t, int row) {
        QStringList texts;
        for (int column = 0; column < t->columnCount(); ++column)
            texts << (t->item(row, column) ? t->item(row, column)->text() : QString());
        return texts;
    }

    BmuSimulator sim;
    MainWindow window;
};

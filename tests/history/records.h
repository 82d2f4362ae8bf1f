#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QStringList>
#include <QVector>

Q_DECLARE_METATYPE(QVector<QStringList>)

// Builders of history records: a 30-byte record is the event code, six time-stamp bytes
// and 23 data bytes.
namespace TestRecords {

// 2021-03-05 09:07:02
inline const QByteArray defaultTime = QByteArray::fromHex("150305090702");
inline const QString defaultTimeText = QStringLiteral("2021-03-05 09:07:02");

inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// 23 data bytes, zero but for `bytes` written from `offset`.
inline QByteArray with(int offset, const char* bytes) {
    QByteArray data(23, '\0');
    const QByteArray b = hex(bytes);
    data.replace(offset, b.size(), b);
    return data;
}

inline QByteArray record(int code, const QByteArray& data = {},
                         const QByteArray& time = defaultTime) {
    return char(code) + time.leftJustified(6, '\0', true) + data.leftJustified(23, '\0', true);
}

// A 600-byte block: the given records first, records of zero bytes after them.
inline QByteArray block(const QVector<QByteArray>& records) {
    QByteArray bytes;
    for (const QByteArray& r : records)
        bytes += r;
    return bytes.leftJustified(600, '\0', true);
}

// Record k of a test log is stamped 2023-06-01 10:k:00, so rows show which record they hold.
inline QByteArray timeOf(int k) {
    return hex("170601") + char(10 + k / 60) + char(k % 60) + char(0);
}

inline QString timeText(int k) {
    return QStringLiteral("2023-06-01 %1:%2:00")
        .arg(10 + k / 60, 2, 10, QLatin1Char('0'))
        .arg(k % 60, 2, 10, QLatin1Char('0'));
}

// A log of `count` records of code 101 whose first data byte is the record's number.
inline QVector<QByteArray> numberedLog(int count, int code = 101) {
    QVector<QByteArray> log;
    for (int k = 0; k < count; ++k)
        log << record(code, QByteArray(1, char(k)), timeOf(k));
    return log;
}

} // namespace TestRecords

#ifdef QT_WIDGETS_LIB
#include "app/login.h"
#include "app/mainwindow.h"
#include "sim/bmusimulator.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// One block takes about 4 s on the step timer: echo, poll, five pages, the pause.
constexpr int BlockMs = 7000;

// The main window connected to an in-process simulated BMU, with the History tab's
// widgets at hand. The unit list holds the BMU and BMS1..BMS3 as a refresh would fill it.
class HistoryRig {
public:
    HistoryRig() {
        sim.setStatic(true);
        emit window.loginWindow()->admin();
        unit()->addItems({"BMU", "BMS1", "BMS2", "BMS3"});
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
        closeMessages(); // "Connection successfully!" is not what the tests look at
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
    QProgressDialog* progress() { return window.findChild<QProgressDialog*>(); }
    QTableWidget* table(int unitIndex) {
        return child<QTableWidget>(qPrintable(
            unitIndex == 0 ? QStringLiteral("tableWidget_HistoryInfo_BMU")
                           : QStringLiteral("tableWidget_HistoryInfo_BMS_%1").arg(unitIndex)));
    }

    // Types the quantity and presses " Read".
    void read(const QString& quantity) {
        child<QLineEdit>("lineEdit_His_Data_Qty")->setText(quantity);
        QTest::mouseClick(readButton(), Qt::LeftButton);
    }

    // The texts of the message boxes open now.
    QStringList messages() {
        QStringList texts;
        for (QMessageBox* box : window.findChildren<QMessageBox*>())
            if (box->isVisible())
                texts << box->text();
        return texts;
    }

    void closeMessages() {
        for (QMessageBox* box : window.findChildren<QMessageBox*>())
            box->close();
    }

    // Block requests the simulator received, selector by selector.
    QVector<int> blockSelectors() const {
        QVector<int> selectors;
        for (const QByteArray& frame : sim.requestLog())
            if (frame.startsWith(TestRecords::hex("011005a0000204")))
                selectors << (quint8(frame[7]) << 8 | quint8(frame[8]));
        return selectors;
    }

    int requestsOf(const QByteArray& frame) const {
        return int(std::count(sim.requestLog().cbegin(), sim.requestLog().cend(), frame));
    }

    static QStringList rowTexts(QTableWidget* t, int row) {
        QStringList texts;
        for (int column = 0; column < t->columnCount(); ++column)
            texts << (t->item(row, column) ? t->item(row, column)->text() : QString());
        return texts;
    }

    BmuSimulator sim;
    MainWindow window;
};
#endif

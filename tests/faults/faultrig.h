#pragma once

#include "app/mainwindow.h"
#include "sim/bmusimulator.h"

#include <QLabel>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringList>
#include <QTableWidget>
#include <QTcpSocket>
#include <QtTest>

#include <functional>

// One main window linked to one simulated BMU in the same process, for tests that inject
// link faults into the operations a user starts with the window's buttons.
class FaultRig {
public:
    explicit FaultRig(SystemPreset preset = SystemPreset::HighVoltage)
        : simulator(preset) {
        simulator.setStatic(true);
        simulator.setReadinessDelay(50);
        if (!simulator.listen())
            qFatal("simulator cannot listen: %s", qPrintable(simulator.errorString()));
        window.setBmuEndpoint(QStringLiteral("127.0.0.1"), simulator.serverPort());
    }

    // Presses Connect and waits until the link is up; closes the box that reports it.
    bool connectLink() {
        button("Btn_ConnectTCP")->click();
        if (!QTest::qWaitFor([&] { return button("Btn_ConnectTCP")->text() == "Disconnect"; },
                             5000))
            return false;
        closeMessageBoxes();
        return true;
    }

    template <class T> T* widget(const QString& name) {
        T* found = window.findChild<T*>(name);
        if (!found)
            qFatal("no widget %s", qPrintable(name));
        return found;
    }
    QPushButton* button(const QString& name) { return widget<QPushButton>(name); }
    QString text(const QString& labelName) { return widget<QLabel>(labelName)->text(); }

    // The texts of the named labels.
    QMap<QString, QString> texts(const QStringList& labelNames) {
        QMap<QString, QString> shown;
        for (const QString& name : labelNames)
            shown.insert(name, text(name));
        return shown;
    }

    // Every cell text of a table, row by row.
    QVector<QStringList> rows(const QString& tableName) {
        auto* table = widget<QTableWidget>(tableName);
        QVector<QStringList> result;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c)
                cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
            result << cells;
        }
        return result;
    }

    // The command buttons the window locks while an operation runs.
    bool buttonsBack() {
        for (const char* name : {"Btn_Refresh", "Btn_BMSInfo_Read", "BtnSetup", "Btn_Read",
                                 "BtnSendFW", "Btn_HistoryInfo"})
            if (!button(QLatin1String(name))->isEnabled())
                return false;
        return true;
    }

    // Waits until the operation has ended: the buttons are back and nothing has gone over
    // the link either way for `quietMs`, longer than the longest step of the operation (3 s;
    // a history read waits 5 s for a reply before it gives up). False if that never happens.
    bool waitUntilSettled(int quietMs = 3200, int limitMs = 90000) {
        QElapsedTimer sinceTraffic;
        sinceTraffic.start();
        auto* socket = window.findChild<QTcpSocket*>();
        const QMetaObject::Connection sent = QObject::connect(
            &simulator, &BmuSimulator::requestReceived, [&] { sinceTraffic.restart(); });
        const QMetaObject::Connection received =
            QObject::connect(socket, &QIODevice::readyRead, [&] { sinceTraffic.restart(); });
        const bool settled = QTest::qWaitFor(
            [&] { return buttonsBack() && sinceTraffic.elapsed() > quietMs; }, limitMs);
        QObject::disconnect(sent);
        QObject::disconnect(received);
        return settled;
    }

    // Waits until the condition holds and the buttons are back.
    bool waitUntil(const std::function<bool()>& condition, int limitMs = 20000) {
        return QTest::qWaitFor([&] { return buttonsBack() && condition(); }, limitMs);
    }

    // The texts of the message boxes open now; closes them.
    QStringList closeMessageBoxes() {
        QStringList shown;
        for (QMessageBox* box : window.findChildren<QMessageBox*>()) {
            if (!box->isVisible())
                continue;
            shown << box->text();
            box->close();
        }
        return shown;
    }

    BmuSimulator simulator;
    MainWindow window;
};

// A link fault of the simulator, as a data-driven test row gives it.
struct LinkFault {
    std::function<void(BmuSimulator&)> apply;
    bool replyLost; // whether replies can be lost (the operation may then fail)
};
Q_DECLARE_METATYPE(LinkFault)

// The faults every operation is run with.
inline void addLinkFaultRows() {
    QTest::addColumn<LinkFault>("fault");
    QTest::newRow("no fault") << LinkFault{[](BmuSimulator&) {}, false};
    QTest::newRow("replies split in 3 segments")
        << LinkFault{[](BmuSimulator& s) { s.setSplitReplies(3, 30); }, false};
    QTest::newRow("replies byte by byte")
        << LinkFault{[](BmuSimulator& s) { s.setSplitReplies(300, 0); }, false};
    QTest::newRow("replies delayed 300 ms")
        << LinkFault{[](BmuSimulator& s) { s.setReplyDelay(300); }, false};
    // Later than the steps: replies land while the tool waits for another one.
    QTest::newRow("replies delayed 2 s")
        << LinkFault{[](BmuSimulator& s) { s.setReplyDelay(2000); }, true};
    QTest::newRow("every 3rd reply dropped")
        << LinkFault{[](BmuSimulator& s) { s.setDropEveryNth(3); }, true};
    QTest::newRow("every 2nd reply with a bad CRC")
        << LinkFault{[](BmuSimulator& s) { s.setCorruptEveryNth(2); }, true};
    QTest::newRow("link closed after 3 frames")
        << LinkFault{[](BmuSimulator& s) { s.setCloseAfterFrames(3); }, true};
}

inline void clearLinkFaults(BmuSimulator& s) {
    s.setSplitReplies(1, 0);
    s.setReplyDelay(0);
    s.setDropEveryNth(0);
    s.setCorruptEveryNth(0);
    s.setCloseAfterFrames(0);
}

// The first text that differs from the expected one, described; empty when all match.
inline QString firstDifference(const QMap<QString, QString>& shown,
                               const QMap<QString, QString>& expected) {
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        if (shown.value(it.key()) != it.value())
            return QStringLiteral("%1 shows \"%2\", expected \"%3\"")
                .arg(it.key(), shown.value(it.key()), it.value());
    return {};
}

// Each shown text is what a clean run shows or what was shown before: a fault may keep a
// value from being updated, never make a wrong one appear.
inline bool shownIsCleanOrOld(const QMap<QString, QString>& shown,
                              const QMap<QString, QString>& clean,
                              const QMap<QString, QString>& before, QString* wrong) {
    for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
        if (it.value() != clean.value(it.key()) && it.value() != before.value(it.key())) {
            *wrong = QStringLiteral("%1 shows \"%2\" (clean \"%3\", before \"%4\")")
                         .arg(it.key(), it.value(), clean.value(it.key()), before.value(it.key()));
            return false;
        }
    }
    return true;
}

#include "sim/bmusimulator.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

// A Modbus peer written by others, Debian's pymodbus client, against the simulator
// listening in this process.
class TestModbusConformance : public QObject {
    Q_OBJECT

private slots:
    void pymodbusClientTalksToTheSimulator();
};

void TestModbusConformance::pymodbusClientTalksToTheSimulator() {
    BmuSimulator simulator(SystemPreset::HighVoltage);
    simulator.setReadinessDelay(50);
    QVERIFY(simulator.listen());

    // pymodbus is installed for the system interpreter only.
    qRegisterMetaType<QProcess::ExitStatus>("QProcess::ExitStatus");
    QProcess python;
    python.setProcessChannelMode(QProcess::MergedChannels);
    QSignalSpy started(&python, &QProcess::started);
    QSignalSpy finished(&python, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(VOLTARO_SOURCE_DIR "/tests/sim/modbus_conformance.py"),
                  QString::number(simulator.serverPort())});
    QVERIFY2(started.wait(5000), "/usr/bin/python3 does not start");
    QVERIFY(finished.wait(60000));
    const QString output = QString::fromUtf8(python.readAll());
    QVERIFY2(python.exitCode() == 0 && output.trimmed().endsWith(QLatin1String("OK")),
             qPrintable(output));

    // What pymodbus wrote arrived as it meant it.
    QCOMPARE(simulator.setupWrites(), QVector<QByteArray>{QByteArray::fromHex("090501010100")});
    QCOMPARE(simulator.device().peekRegister(0x0010), quint16(0x0905));
}

QTEST_GUILESS_MAIN(TestModbusConformance)
#include "tst_modbusconformance.moc"

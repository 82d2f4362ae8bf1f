#include "history/bmsevents.h"
#include "records.h"

#include <QtTest>

using namespace TestRecords;

class TestBmsEvents : public QObject {
    Q_OBJECT

private slots:
    void codeAndDescription_data();
    void codeAndDescription();
    void eventRowsOfOneRecord_data();
    void eventRowsOfOneRecord();
    void eventRowsInRecordOrder();
    void erasedBlockHasNoEvents();
    void shortBlockReadsMissingBytesAsZero();
};

void TestBmsEvents::codeAndDescription_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("codeColumn");
    QTest::addColumn<QString>("description");
    QTest::newRow("power on") << 0 << "00"
                              << "Power ON";
    QTest::newRow("events record") << 2 << "02"
                                   << "Events record";
    QTest::newRow("timing record is defined here") << 3 << "03"
                                                   << "Timing Record";
    QTest::newRow("rough calibration") << 8 << "08"
                                       << "SOC calibration rough";
    QTest::newRow("code 9 two digits") << 9 << "09"
                                       << "SOC calibration fine";
    QTest::newRow("code 10 plain") << 10 << "10"
                                   << "SOC calibration Stop";
    QTest::newRow("CAN") << 11 << "11"
                         << "CAN Communication failed";
    QTest::newRow("end calibration") << 16 << "16"
                                     << "Start end SOC calibration";
    QTest::newRow("address") << 19 << "19"
                             << "Address Registered";
    QTest::newRow("functional safety") << 20 << "20"
                                       << "System Functional Safety Fault";
    QTest::newRow("additional info") << 21 << "21"
                                     << "Events additional info";
    QTest::newRow("code 22 undefined") << 22 << "22"
                                       << "Not defined";
    QTest::newRow("code 100 undefined") << 100 << "100"
                                        << "Not defined";
    QTest::newRow("firmware start") << 101 << "101"
                                    << "Start Firmware Update";
    QTest::newRow("firmware fails") << 103 << "103"
                                    << "Firmware Update fails";
    QTest::newRow("SN changed") << 106 << "106"
                                << "SN Code was Changed";
    QTest::newRow("current calibration") << 107 << "107"
                                         << "Current Calibration";
    QTest::newRow("pack voltage") << 109 << "109"
                                  << "PackVoltage Calibration";
    QTest::newRow("SOC/SOH") << 110 << "110"
                             << "SOC/SOH Calibration";
    QTest::newRow("date time") << 111 << "111"
                               << "DateTime Calibration";
    QTest::newRow("code 112 undefined") << 112 << "112"
                                        << "Not defined";
    QTest::newRow("code 255 undefined") << 255 << "255"
                                        << "Not defined";
}

void TestBmsEvents::codeAndDescription() {
    QFETCH(int, code);
    QFETCH(QString, codeColumn);
    QFETCH(QString, description);
    const BmsBlockRows rows = decodeBmsBlock(block({record(code)}));
    QCOMPARE(rows.history.size(), 20);
    QCOMPARE(rows.history[0][0], QStringLiteral("2021-03-05 09:07:02"));
    QCOMPARE(rows.history[0][1], codeColumn);
    QCOMPARE(rows.history[0][2], description);
}

void TestBmsEvents::eventRowsOfOneRecord_data() {
    QTest::addColumn<int>("code");
    // Data bytes d[0..7]: record bytes 7..14, so the words start at d[2], d[4], d[6].
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QVector<QStringList>>("events");
    const QString t = QStringLiteral("2021-03-05 09:07:02");
    QTest::newRow("no words set") << 2 << hex("ffff000000000000") << QVector<QStringList>{};
    QTest::newRow("level 2, low byte first")
        << 2 << hex("0000011000000000")
        << QVector<QStringList>{{t, "Warning Level2", "Battery Over Voltage;Short Circuit;"}};
    QTest::newRow("alarm only") << 2 << hex("0000000000000080")
                                << QVector<QStringList>{{t, "Alarm", "Functional Safety Failure;"}};
    QTest::newRow("level 3 tamper wording")
        << 2 << hex("0000000000400000")
        << QVector<QStringList>{{t, "Warning Level3", "Tamper Abnormal;"}};
    QTest::newRow("all three, level 2 first")
        << 2 << hex("0000020004000100")
        << QVector<QStringList>{{t, "Warning Level2", "Battery Under Voltage;"},
                                {t, "Warning Level3", "Cells OverVoltage;"},
                                {t, "Alarm", "Cells Voltage Sensor Failure;"}};
    QTest::newRow("every warning bit")
        << 2 << hex("0000ffff00000000")
        << QVector<QStringList>{
               {t, "Warning Level2",
                "Battery Over Voltage;Battery Under Voltage;Cells OverVoltage;Cells UnderVoltage;"
                "Cells Imbalance;Charging High Temperature(Cells);Charging Low "
                "Temperature(Cells);DisCharging High Temperature(Cells);DisCharging Low "
                "Temperature(Cells);Charging OverCurrent(Cells);DisCharging "
                "OverCurrent(Cells);Charging OverCurrent(Hardware);Short Circuit;Inversly "
                "Connection;Tamper Abnormal;AirSwitch Abnormal;"}};
    QTest::newRow("every fault bit")
        << 2 << hex("000000000000ffff")
        << QVector<QStringList>{
               {t, "Alarm",
                "Cells Voltage Sensor Failure;Temperature Sensor Failure;BIC Communication "
                "Failure;Pack Voltage Sensor Failure;Current Sensor Failure;Charging Mos "
                "Failure;DisCharging Mos Failure;PreCharging Mos Failure;Main Relay "
                "Failure;PreCharging Failed;Heating Device Failure;Radiator Failure;BIC Balance "
                "Failure;Cells Failure;PCB Temperature Sensor Failure;Functional Safety "
                "Failure;"}};
    QTest::newRow("words outside bytes 9..14 ignored")
        << 2 << hex("ffff000000000000ffffffff") << QVector<QStringList>{};
    QTest::newRow("other codes carry no events")
        << 3 << hex("0000ffffffffffff") << QVector<QStringList>{};
}

void TestBmsEvents::eventRowsOfOneRecord() {
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    QFETCH(QVector<QStringList>, events);
    const BmsBlockRows rows = decodeBmsBlock(block({record(code, data)}));
    QCOMPARE(rows.events, events);
    QCOMPARE(rows.history.size(), 20);
}

void TestBmsEvents::eventRowsInRecordOrder() {
    const QByteArray early = hex("150305090702"), late = hex("150305090800");
    const BmsBlockRows rows = decodeBmsBlock(block({
        record(2, hex("0000000000100000"), early), // level 3
        record(5, hex("0000ffff"), early),         // not an events record
        record(2, hex("0000800000000200"), late),  // level 2 and alarm
    }));
    const QVector<QStringList> expected{
        {"2021-03-05 09:07:02", "Warning Level3", "Short Circuit;"},
        {"2021-03-05 09:08:00", "Warning Level2", "DisCharging High Temperature(Cells);"},
        {"2021-03-05 09:08:00", "Alarm", "Temperature Sensor Failure;"},
    };
    QCOMPARE(rows.events, expected);
    QCOMPARE(rows.history[2][3].left(24), QStringLiteral("00 00 80 00 00 00 02 00 "));
}

void TestBmsEvents::erasedBlockHasNoEvents() {
    const BmsBlockRows rows = decodeBmsBlock(QByteArray(600, char(0xFF)));
    QVERIFY(rows.events.isEmpty());
    QCOMPARE(rows.history.size(), 20);
    QCOMPARE(rows.history[7].mid(0, 3),
             (QStringList{"20255-255-255 255:255:255", "255", "Not defined"}));
}

void TestBmsEvents::shortBlockReadsMissingBytesAsZero() {
    // The events record is cut after its level-2 low byte: the other bytes read as 0.
    const QByteArray cut = block({record(0), record(2, hex("00000400ffffffff"))}).left(40);
    const BmsBlockRows rows = decodeBmsBlock(cut);
    QCOMPARE(rows.history.size(), 20);
    QCOMPARE(rows.events, (QVector<QStringList>{
                              {"2021-03-05 09:07:02", "Warning Level2", "Cells OverVoltage;"}}));
}

QTEST_GUILESS_MAIN(TestBmsEvents)
#include "tst_bmsevents.moc"

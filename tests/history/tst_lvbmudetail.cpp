#include "history/lvbmudetail.h"

#include <QtTest>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// A snapshot: policy state, 10/30 ℃ environment, SOC 80, SOH 99 (not shown), current
// -10.0 A, 52.0 V battery, cells 3300/3200 mV, 35/20 ℃, warning words 0, 0x2001, 0
// and 52.8 V output; words little-endian.
const char snapshotBytes[] = "04 0a 1e 50 63 9cff 0802 e40c 800c 23 14 0000 0120 0000 1002";
const char snapshotText[] =
    "| System Status:BMU_POLICY || Environment_Temp_Min:10℃ || Environment_Temp_Max:30℃ || "
    "SOC:80% || Battery Total Voltage:52.0V || Output Voltage:52.8V || Current:-10.0A || "
    "Cell_HV:3300mV || Cell_LV:3200mV || Battery_Temp_Max:35℃ || Battery_Temp_Min:20℃ || No "
    "warning1 || Warning2:Battery over voltage;Short circuit; || No warning3 |";

} // namespace

class TestLvBmuDetail : public QObject {
    Q_OBJECT

private slots:
    void detailText_data();
    void detailText();
    void snapshotPieces_data();
    void snapshotPieces();
};

void TestLvBmuDetail::detailText_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("text");

    QTest::newRow("no data bytes, no text") << 0 << QByteArray() << "";
    QTest::newRow("running version") << 0 << hex("030c") << "| Running Version:V3.12 |";
    QTest::newRow("shutdown by button") << 1 << hex("01") << "| Shutdown by pressing LED button. |";
    QTest::newRow("shutdown low SOC") << 1 << hex("02") << "| Shutdown due to Low SOC. |";
    QTest::newRow("inverter no respond") << 1 << hex("03") << "| Inverter no respond. |";
    QTest::newRow("level 4, unknown cause")
        << 1 << hex("0409") << "| Shutdown due to Warning level4. |";
    QTest::newRow("level 4, no cause byte")
        << 1 << hex("04") << "| Shutdown due to Warning level4. |";
    QTest::newRow("level 4, cell voltage high")
        << 1 << hex("0401") << "| Shutdown due to Warning level4. || Cell voltage High |";
    QTest::newRow("level 4, discharging temperature high")
        << 1 << hex("0403") << "| Shutdown due to Warning level4. || Discharging Temp. High |";
    QTest::newRow("level 4, charging temperature low")
        << 1 << hex("0406") << "| Shutdown due to Warning level4. || Charging Temp. low |";
    QTest::newRow("level 4, charging overcurrent")
        << 1 << hex("0408") << "| Shutdown due to Warning level4. || Charging Overcurrent |";
    QTest::newRow("shutdown unknown") << 1 << hex("05") << "| Not defined. |";
    QTest::newRow("snapshot, code 2") << 2 << hex(snapshotBytes) << snapshotText;
    QTest::newRow("snapshot, code 112") << 112 << hex(snapshotBytes) << snapshotText;
    QTest::newRow("snapshot, code 116") << 116 << hex(snapshotBytes) << snapshotText;
    QTest::newRow("snapshot, code 118") << 118 << hex(snapshotBytes) << snapshotText;
    QTest::newRow("stop charging, leading blank") << 5 << hex("00") << " | Stop Charging |";
    QTest::newRow("BMS update section A")
        << 101 << hex("53000102") << "| BMS Update || Updating Section A || F/W Version:V1.2 |";
    QTest::newRow("BMU update, no section")
        << 101 << hex("55020102") << "| BMU Update || F/W Version:V1.2 |";
    QTest::newRow("update, unknown unit")
        << 101 << hex("41010304") << "| Not defined || Updating Section B || F/W Version:V3.4 |";
    QTest::newRow("BMS finish") << 102 << hex("53") << "| BMS Update finish |";
    QTest::newRow("BMU finish") << 102 << hex("55") << "| BMU Update finish |";
    QTest::newRow("finish, lower-case letter") << 102 << hex("73") << "| Not defined |";
    QTest::newRow("BMU failure section B")
        << 103 << hex("5501") << "| BMU Update failure || Updating Section B |";
    QTest::newRow("BMS failure, no section") << 103 << hex("5305") << "| BMS Update failure |";
    QTest::newRow("jump to section B")
        << 104 << hex("010203") << "| Updating Section B || F/W Version:V2.3 |";
    QTest::newRow("BMS table") << 105 << hex("53010207")
                               << "| BMS Updating || P/T Version:V1.2 || P/T No.7 table updating |";
    QTest::newRow("BMU table") << 105 << hex("55030400")
                               << "| BMU Updating || P/T Version:V3.4 || P/T No.0 table updating |";
    QTest::newRow("SN changed") << 106 << hex("00") << "No record data";
    QTest::newRow("date time") << 111 << hex("00") << "No record data";
    QTest::newRow("F/W reset") << 113 << hex("00") << "No record data";
    QTest::newRow("watchdog") << 114 << hex("00") << "No record data";
    QTest::newRow("precharge") << 115 << hex("00") << "No record data";
    QTest::newRow("table load") << 117 << hex("00") << "No record data";
    QTest::newRow("BMS table done")
        << 120 << hex("530102") << "| BMS P-T Updating done || P/T Version:V1.2 |";
    QTest::newRow("BMU table done")
        << 120 << hex("550102") << "| BMU P-T Updating done || P/T Version:V1.2 |";
    QTest::newRow("code 4 has no detail") << 4 << hex("00") << "| Not defined |";
    QTest::newRow("code 32 has no detail") << 32 << hex("00") << "| Not defined |";
    QTest::newRow("code 255") << 255 << hex("ff") << "| Not defined |";
}

void TestLvBmuDetail::detailText() {
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    QFETCH(QString, text);
    QCOMPARE(lvBmuDetail(code, data), text);
}

void TestLvBmuDetail::snapshotPieces_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("piece");

    auto with = [](int offset, const char* bytes) {
        QByteArray d(23, '\0');
        const QByteArray b = hex(bytes);
        d.replace(offset, b.size(), b);
        return d;
    };
    QTest::newRow("init state") << with(0, "00") << "| System Status:BMU_INIT || Env";
    QTest::newRow("self check") << with(0, "01") << "| System Status:BMU_SELFCHECK |";
    QTest::newRow("load parameter") << with(0, "02") << "| System Status:BMU_LOADPARAMETER |";
    QTest::newRow("precharge") << with(0, "03") << "| System Status:BMU_PRECHARGE |";
    QTest::newRow("fault") << with(0, "05") << "| System Status:BMU_FAULT |";
    QTest::newRow("wait") << with(0, "06") << "| System Status:BMU_WAIT |";
    QTest::newRow("shutdown") << with(0, "07") << "| System Status:BMU_SHUTDOWN |";
    QTest::newRow("state unknown") << with(0, "08") << "| Not defined || Environment";
    QTest::newRow("current 10.0, low byte first") << with(5, "6400") << "| Current:10.0A |";
    QTest::newRow("current -0.1") << with(5, "ffff") << "| Current:-0.1A |";
    QTest::newRow("current most negative") << with(5, "0080") << "| Current:-3276.8A |";
    QTest::newRow("current most positive") << with(5, "ff7f") << "| Current:3276.7A |";
    QTest::newRow("SOH is not shown") << with(4, "63") << "| SOC:0% || Battery Total";
    QTest::newRow("warning 1 and 3")
        << with(15, "0080 0000 0040")
        << "| Warning1:I-sensor failure; || No warning2 || Warning3:Cells imbalance; |";
    QTest::newRow("all warning texts")
        << with(17, "ffff")
        << "| Warning2:Battery over voltage;Battery under voltage;Cell over voltage;Cell under "
           "voltage;V-sensor failure;T-sensor failure;Cell discharge Temp-High;Cell discharge "
           "Temp-Low;Cell charge Temp-High;Cell charge Temp-Low;Discharging over "
           "current;Charging over current;Main circuit failure;Short circuit;Cells "
           "imbalance;I-sensor failure; |";
    QTest::newRow("short data reads zeros")
        << hex("06") << "| System Status:BMU_WAIT || Environment_Temp_Min:0℃ ||";
}

void TestLvBmuDetail::snapshotPieces() {
    QFETCH(QByteArray, data);
    QFETCH(QString, piece);
    const QString text = lvBmuSnapshot(data);
    QVERIFY2(text.contains(piece), qPrintable(text));
    QCOMPARE(lvBmuDetail(2, data), text);
}

QTEST_GUILESS_MAIN(TestLvBmuDetail)
#include "tst_lvbmudetail.moc"

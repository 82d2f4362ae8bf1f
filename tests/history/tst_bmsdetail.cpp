#include "history/bmsdetail.h"

#include <QtTest>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// 23 data bytes with `bytes` written from `offset`.
QByteArray with(int offset, const char* bytes) {
    QByteArray d(23, '\0');
    const QByteArray b = hex(bytes);
    d.replace(offset, b.size(), b);
    return d;
}

QStringList blanks(int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QString();
    return texts;
}

QStringList placed(QStringList texts, int column, const QString& text) {
    texts[column] = text;
    return texts;
}

// A snapshot: level-2 warning bit 0, switches relay + air switch + charge, SOC 80,
// SOH 99, 52.0 V, 52.8 V, -10.0 A, cells 3300/3200 mV, 35/20 ℃.
const char snapshotBytes[] = "0000 0100 0000 0000 19 50 63 0802 1002 9cff e40c 800c 23 14";
const QStringList snapshotTail{"80%", "99%", "52.0", "52.8", "-10.0", "3300", "3200", "35", "20"};

} // namespace

class TestBmsDetail : public QObject {
    Q_OBJECT

private slots:
    void warningTexts_data();
    void warningTexts();
    void switchText_data();
    void switchText();
    void detailTexts_data();
    void detailTexts();
};

void TestBmsDetail::warningTexts_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("all zero") << QByteArray(23, '\0')
                              << QStringList{"None", "None", "None", "None"};
    QTest::newRow("no data") << QByteArray() << QStringList{"None", "None", "None", "None"};
    QTest::newRow("interlock wording of bit 14")
        << hex("0040") << QStringList{"Interlock switch Abnormal;", "None", "None", "None"};
    QTest::newRow("low byte first")
        << hex("0000 0110 0000 0000")
        << QStringList{"None", "Battery Over Voltage;Short Circuit;", "None", "None"};
    QTest::newRow("warning 3 and fault")
        << hex("0000 0000 0080 0820")
        << QStringList{"None", "None", "AirSwitch Abnormal;",
                       "Pack Voltage Sensor Failure;Cells Failure;"};
    QTest::newRow("every bit")
        << hex("ffff 0000 0000 ffff")
        << QStringList{"Battery Over Voltage;Battery Under Voltage;Cells OverVoltage;Cells "
                       "UnderVoltage;Cells Imbalance;Charging High Temperature(Cells);Charging Low "
                       "Temperature(Cells);DisCharging High Temperature(Cells);DisCharging Low "
                       "Temperature(Cells);Charging OverCurrent(Cells);DisCharging "
                       "OverCurrent(Cells);Charging OverCurrent(Hardware);Short Circuit;Inversly "
                       "Connection;Interlock switch Abnormal;AirSwitch Abnormal;",
                       "None", "None",
                       "Cells Voltage Sensor Failure;Temperature Sensor Failure;BIC Communication "
                       "Failure;Pack Voltage Sensor Failure;Current Sensor Failure;Charging Mos "
                       "Failure;DisCharging Mos Failure;PreCharging Mos Failure;Main Relay "
                       "Failure;PreCharging Failed;Heating Device Failure;Radiator Failure;BIC "
                       "Balance Failure;Cells Failure;PCB Temperature Sensor Failure;Functional "
                       "Safety Failure;"};
}

void TestBmsDetail::warningTexts() {
    QFETCH(QByteArray, data);
    QFETCH(QStringList, texts);
    const BmsWarningTexts w = bmsWarningTexts(data);
    QCOMPARE((QStringList{w.warning1, w.warning2, w.warning3, w.fault}), texts);
}

void TestBmsDetail::switchText_data() {
    QTest::addColumn<int>("switches");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing set, HV") << 0 << "Lumeno HV"
                                     << "";
    QTest::newRow("nothing set, LV") << 0 << "Lumeno LV"
                                     << "";
    QTest::newRow("HV relay and air switch on") << 0x18 << "Lumeno HV"
                                                << "| Relay is on; || Air Switch is on; |";
    QTest::newRow("HV shows only relay and air switch")
        << 0x01 << "Lumeno HV"
        << "| Relay is off; || Air Switch is off; |";
    QTest::newRow("LV charge, discharge, relay")
        << 0x0B << "Lumeno LV"
        << "| Charge Mos_Switch is on; || DisCharge Mos_Switch is on; || Relay is on; |";
    QTest::newRow("LV hides precharge bits 2 and 5")
        << 0x24 << "Lumeno LV"
        << "| Charge Mos_Switch is off; || DisCharge Mos_Switch is off; || Relay is off; |";
    QTest::newRow("other family as LV")
        << 0x02 << "Other"
        << "| Charge Mos_Switch is off; || DisCharge Mos_Switch is on; || Relay is off; |";
}

void TestBmsDetail::switchText() {
    QFETCH(int, switches);
    QFETCH(QString, family);
    QFETCH(QString, text);
    QCOMPARE(bmsSwitchText(quint8(switches), family), text);
}

void TestBmsDetail::detailTexts_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QStringList>("texts");

    const QString hv = QStringLiteral("Lumeno HV"), lv = QStringLiteral("Lumeno LV");
    const QStringList none4{"None", "None", "None", "None"};
    const QStringList zeroTail{"0%", "0%", "0.0", "0.0", "0.0", "0", "0", "0", "0"};

    QTest::newRow("start charging, all zero")
        << 4 << QByteArray(23, '\0') << hv
        << none4 + QStringList{""} + zeroTail + QStringList{"Battery Idling"};
    QTest::newRow("events record, interlock")
        << 2 << with(0, "0040") << lv
        << QStringList{"Interlock switch Abnormal;", "None", "None", "None", ""} + zeroTail +
               QStringList{"Battery Idling"};
    QTest::newRow("timing record, full snapshot")
        << 3 << hex(snapshotBytes) << hv
        << QStringList{"None", "Battery Over Voltage;", "None", "None",
                       "| Relay is on; || Air Switch is on; |"} +
               snapshotTail + QStringList{""};
    QTest::newRow("charging state in remarks")
        << 13 << with(8, "01") << lv
        << none4 +
               QStringList{"| Charge Mos_Switch is on; || DisCharge Mos_Switch is off; || Relay "
                           "is off; |"} +
               zeroTail + QStringList{"Battery Charging"};
    QTest::newRow("discharging state in remarks")
        << 19 << with(8, "02") << lv
        << none4 +
               QStringList{"| Charge Mos_Switch is off; || DisCharge Mos_Switch is on; || Relay "
                           "is off; |"} +
               zeroTail + QStringList{"Battery DisCharging"};
    QTest::newRow("current low byte first")
        << 11 << with(15, "9cff") << hv
        << none4 + QStringList{"",  "0%", "0%", "0.0", "0.0",           "-10.0",
                               "0", "0",  "0",  "0",   "Battery Idling"};
    QTest::newRow("calibration target SOC")
        << 9 << with(9, "3246") << lv
        << none4 + QStringList{"",  "50%", "Target SOC:70%", "0.0", "0.0", "0.0", "0", "0",
                               "0", "0",   "Battery Idling"};
    QTest::newRow("short data reads zeros")
        << 16 << hex("01") << hv
        << QStringList{"Battery Over Voltage;", "None", "None", "None", ""} + zeroTail +
               QStringList{"Battery Idling"};
    QTest::newRow("power on, section B")
        << 0 << hex("0000 01 00 03 01") << hv << QStringList{"Runing Section:B", "FW version:V1.3"};
    QTest::newRow("power on, section A") << 0 << hex("0000 00 00 0a 02") << lv
                                         << QStringList{"Runing Section:A", "FW version:V2.10"};
    QTest::newRow("power off, LV reason from d[0]")
        << 1 << hex("0203 00 00 04 01") << lv
        << QStringList{"Power off due to communication failed with BMU", "Runing Section:A",
                       "FW version:V1.4"};
    QTest::newRow("power off, LV first reason")
        << 1 << hex("00") << lv
        << QStringList{"BMU requires to Power off", "Runing Section:A", "FW version:V0.0"};
    QTest::newRow("power off, HV reason from d[1]")
        << 1 << hex("0203 01") << hv
        << QStringList{"BMU Power off And communication between BMU and BMS failed",
                       "Runing Section:B", "FW version:V0.0"};
    QTest::newRow("power off, HV 30 minutes")
        << 1 << hex("0004") << hv
        << QStringList{"Power off while communication failed(after 30 minutes)", "Runing Section:A",
                       "FW version:V0.0"};
    QTest::newRow("power off, unknown reason")
        << 1 << hex("0000") << hv
        << QStringList{"Not defined", "Runing Section:A", "FW version:V0.0"};
    QTest::newRow("balancing, HV cell word")
        << 17 << with(21, "e40c") << hv << placed(blanks(14), 11, "3300");
    QTest::newRow("balancing, LV extremes")
        << 17 << with(0, "e40c 800c") << lv << placed(placed(blanks(14), 10, "3300"), 11, "3200");
    QTest::newRow("balancing start, other family")
        << 17 << with(0, "e40c") << "Other" << QStringList{};
    QTest::newRow("balancing stop, other family as LV")
        << 18 << with(0, "e40c 800c") << "Other"
        << placed(placed(blanks(14), 10, "3300"), 11, "3200");
    QTest::newRow("balancing stop, HV")
        << 18 << with(21, "0100") << hv << placed(blanks(14), 11, "1");
    QTest::newRow("functional safety faults")
        << 20 << with(0, "0102 0200 0000 0000 00 03 04") << hv
        << QStringList{"BMU serial port V3", "BMS serial port V4",
                       "BMU functional safety fault code:Cells Over Voltage;Main Circuit Fault;",
                       "BMS functional safety fault code:BMU heartbeat Abnormal;"};
    QTest::newRow("functional safety normal")
        << 20 << QByteArray(23, '\0') << lv
        << QStringList{"BMU serial port V0", "BMS serial port V0", "BMU functional safety normal",
                       "BMS functional safety fault code:"};
    QTest::newRow("functional safety, every text")
        << 20 << with(0, "ffff ffff") << lv
        << QStringList{"BMU serial port V0", "BMS serial port V0",
                       "BMU functional safety fault code:Cells Over Voltage;Cells Under "
                       "Voltage;Cells Over Temperature;Cells Under Temperature;Voltage Sampling "
                       "cable off;Temperature Sampling cable off;Pack Voltage too High;Over "
                       "Current;BMS Heartbeat Abnormal;Main Circuit Fault;No responding for cells "
                       "Sampling from BMS;The PACK voltage differs too much from the accumulator "
                       "voltage of cells;",
                       "BMS functional safety fault code:0# register Overtime;BMU heartbeat "
                       "Abnormal;BMU Cells Sampling occupancy anomaly;"};
    QTest::newRow("additional info, module faulted")
        << 21 << hex("0000 0000 0000 0100 00 50 63 0802 1002 0300 07 0b 02 05 04") << hv
        << QStringList{"None",
                       "None",
                       "None",
                       "Cells Voltage Sensor Failure;",
                       "",
                       "80%",
                       "99%",
                       "52.0",
                       "52.8",
                       " ",
                       "Cell NO.7",
                       "Cell NO.11",
                       "Cell NO.2",
                       "Cell NO.5",
                       "4# Module Faulted 3# Module BIC fault"};
    QTest::newRow("additional info, no fault")
        << 21 << with(17, "01020304") << lv
        << none4 + QStringList{"",          "0%",        "0%",        "0.0",       "0.0", " ",
                               "Cell NO.1", "Cell NO.2", "Cell NO.3", "Cell NO.4", ""};
    QTest::newRow("update, HV before and after")
        << 101 << hex("0102030405") << hv
        << QStringList{"Target Area:B", "Before Update: V3.2", "After Update: V5.4"};
    QTest::newRow("update finish, HV area A")
        << 102 << hex("0002010403") << hv
        << QStringList{"Target Area:A", "Before Update: V1.2", "After Update: V3.4"};
    QTest::newRow("update, HV 0xAA is area B")
        << 101 << hex("aa") << hv
        << QStringList{"Target Area:B", "Before Update: V0.0", "After Update: V0.0"};
    QTest::newRow("update, LV 0xAA is area A")
        << 101 << hex("aa000304") << lv << QStringList{"Target Area:A", "Current Version: V4.3"};
    QTest::newRow("update, LV area B")
        << 102 << hex("01000304") << lv << QStringList{"Target Area:B", "Current Version: V4.3"};
    QTest::newRow("update, other family") << 101 << hex("01") << "Other" << QStringList{};
    QTest::newRow("update fails, HV old and new")
        << 103 << hex("0002010403") << hv
        << QStringList{"Target Area:A", "Old Version: V1.2", "New Version: V3.4"};
    QTest::newRow("jump section, LV")
        << 104 << hex("00000506") << lv << QStringList{"Target Area:A", "Current Version: V6.5"};
    QTest::newRow("jump section, other family") << 104 << hex("01") << "Other" << QStringList{};
    QTest::newRow("threshold table")
        << 105 << hex("010902") << hv << QStringList{"Threshold table version:V1.2"};
    QTest::newRow("serial number")
        << 106 << hex("00") << lv << QStringList{"serial number was changed."};
    QTest::newRow("current calibration")
        << 107 << hex("19 0a 6400 c800 2c01 9001 f401") << hv
        << QStringList{"TempH:25℃",      "TempL:10℃",      "Charge I1:100A",   "Charge I2:200A",
                       "Charge I3:300A", "Charge I4:400A", "DisCharge I1:500A"};
    QTest::newRow("battery voltage calibration")
        << 108 << hex("1e14") << hv << placed(placed(blanks(14), 12, "30"), 13, "20");
    QTest::newRow("pack voltage calibration")
        << 109 << hex("1e14") << hv << placed(placed(blanks(14), 12, "30"), 13, "20℃");
    QTest::newRow("SOC/SOH calibration")
        << 110 << hex("5a63") << lv << placed(placed(blanks(14), 5, "90%"), 6, "99%");
    QTest::newRow("date time") << 111 << hex("00") << hv << QStringList{"N/A"};
    QTest::newRow("code 22") << 22 << hex("00") << hv << QStringList{"Not defined"};
    QTest::newRow("code 100") << 100 << hex("00") << hv << QStringList{"Not defined"};
    QTest::newRow("code 112") << 112 << hex("00") << hv << QStringList{"Not defined"};
    QTest::newRow("code 255") << 255 << QByteArray() << lv << QStringList{"Not defined"};
}

void TestBmsDetail::detailTexts() {
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    QFETCH(QString, family);
    QFETCH(QStringList, texts);
    QCOMPARE(bmsDetailTexts(code, data, family), texts);
}

QTEST_GUILESS_MAIN(TestBmsDetail)
#include "tst_bmsdetail.moc"

#include "history/bmsdetail.h"
#include "records.h"

#include <QtTest>

using namespace TestRecords;

namespace {

// 14 translation columns, blank but for the given ones.
QStringList columns(std::initializer_list<std::pair<int, const char*>> texts) {
    QStringList row;
    for (int i = 0; i < 14; ++i)
        row << QString();
    for (const auto& [column, text] : texts)
        row[column] = QString::fromUtf8(text);
    return row;
}

const QStringList none4{"None", "None", "None", "None"};
const QStringList zeroTail{"0%", "0%", "0.0", "0.0", "0.0", "0", "0", "0", "0"};

// A snapshot: level-2 warning bit 0, switches relay + air switch + charge, SOC 80,
// SOH 99, 52.0 V, 52.8 V, -10.0 A, cells 3300/3200 mV, 35/20 ℃; words little-endian.
const char snapshotBytes[] = "0000 0100 0000 0000 19 50 63 0802 1002 9cff e40c 800c 23 14";

} // namespace

// The texts of saved BMS records for the translation columns.
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
    QTest::newRow("all zero") << QByteArray(23, '\0') << none4;
    QTest::newRow("no data") << QByteArray() << none4;
    QTest::newRow("interlock wording of bit 14")
        << hex("0040") << QStringList{"Interlock switch Abnormal;", "None", "None", "None"};
    QTest::newRow("low byte first")
        << hex("0000 0110 0000 0000")
        << QStringList{"None", "Battery Over Voltage;Short Circuit;", "None", "None"};
    QTest::newRow("first and last bit")
        << hex("0180 0000 0180 0180")
        << QStringList{"Battery Over Voltage;AirSwitch Abnormal;", "None",
                       "Battery Over Voltage;AirSwitch Abnormal;",
                       "Cells Voltage Sensor Failure;Functional Safety Failure;"};
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
    auto row = [](const char* name, int code, const QByteArray& data, const char* family,
                  const QStringList& texts) {
        QTest::newRow(name) << code << data << QString(family) << texts;
    };
    const char *hv = "Lumeno HV", *lv = "Lumeno LV";

    row("start charging, all zero", 4, QByteArray(23, '\0'), hv,
        none4 + QStringList{""} + zeroTail + QStringList{"Battery Idling"});
    row("timing record, full snapshot", 3, hex(snapshotBytes), hv,
        QStringList{"None", "Battery Over Voltage;", "None", "None",
                    "| Relay is on; || Air Switch is on; |", "80%", "99%", "52.0", "52.8", "-10.0",
                    "3300", "3200", "35", "20", ""});
    row("charging state in remarks", 13, with(8, "01"), lv,
        none4 +
            QStringList{"| Charge Mos_Switch is on; || DisCharge Mos_Switch is off; || "
                        "Relay is off; |"} +
            zeroTail + QStringList{"Battery Charging"});
    row("calibration target SOC", 9, with(9, "3246"), lv,
        none4 + QStringList{"", "50%", "Target SOC:70%", "0.0", "0.0", "0.0", "0", "0", "0", "0",
                            "Battery Idling"});
    row("short data reads zeros", 16, hex("01"), hv,
        QStringList{"Battery Over Voltage;", "None", "None", "None", ""} + zeroTail +
            QStringList{"Battery Idling"});
    row("power on, section B", 0, hex("0000 01 00 03 01"), hv,
        {"Runing Section:B", "FW version:V1.3"});
    row("power off, LV reason from d[0]", 1, hex("0203 00 00 04 01"), lv,
        {"Power off due to communication failed with BMU", "Runing Section:A", "FW version:V1.4"});
    row("power off, HV reason from d[1]", 1, hex("0203 01"), hv,
        {"BMU Power off And communication between BMU and BMS failed", "Runing Section:B",
         "FW version:V0.0"});
    row("power off, unknown reason", 1, hex("0000"), hv,
        {"Not defined", "Runing Section:A", "FW version:V0.0"});
    row("balancing, HV cell word", 17, with(21, "e40c"), hv, columns({{11, "3300"}}));
    row("balancing, LV extremes", 17, with(0, "e40c 800c"), lv,
        columns({{10, "3300"}, {11, "3200"}}));
    row("balancing start, other family", 17, with(0, "e40c"), "Other", {});
    row("functional safety faults", 20, with(0, "0102 0200 0000 0000 00 03 04"), hv,
        {"BMU serial port V3", "BMS serial port V4",
         "BMU functional safety fault code:Cells Over Voltage;Main Circuit Fault;",
         "BMS functional safety fault code:BMU heartbeat Abnormal;"});
    row("functional safety normal", 20, QByteArray(23, '\0'), lv,
        {"BMU serial port V0", "BMS serial port V0", "BMU functional safety normal",
         "BMS functional safety fault code:"});
    row("additional info, module faulted", 21,
        hex("0000 0000 0000 0100 00 50 63 0802 1002 0300 07 0b 02 05 04"), hv,
        {"None", "None", "None", "Cells Voltage Sensor Failure;", "", "80%", "99%", "52.0", "52.8",
         " ", "Cell NO.7", "Cell NO.11", "Cell NO.2", "Cell NO.5",
         "4# Module Faulted 3# Module BIC fault"});
    row("additional info, no fault", 21, with(17, "01020304"), lv,
        none4 + QStringList{"", "0%", "0%", "0.0", "0.0", " ", "Cell NO.1", "Cell NO.2",
                            "Cell NO.3", "Cell NO.4", ""});
    row("update, HV before and after", 101, hex("0102030405"), hv,
        {"Target Area:B", "Before Update: V3.2", "After Update: V5.4"});
    row("update, HV 0xAA is area B", 101, hex("aa"), hv,
        {"Target Area:B", "Before Update: V0.0", "After Update: V0.0"});
    row("update, LV 0xAA is area A", 101, hex("aa000304"), lv,
        {"Target Area:A", "Current Version: V4.3"});
    row("update, other family", 101, hex("01"), "Other", {});
    row("update fails, HV old and new", 103, hex("0002010403"), hv,
        {"Target Area:A", "Old Version: V1.2", "New Version: V3.4"});
    row("jump section, LV", 104, hex("00000506"), lv, {"Target Area:A", "Current Version: V6.5"});
    row("threshold table", 105, hex("010902"), hv, {"Threshold table version:V1.2"});
    row("serial number", 106, hex("00"), lv, {"serial number was changed."});
    row("current calibration", 107, hex("19 0a 6400 c800 2c01 9001 f401"), hv,
        {"TempH:25℃", "TempL:10℃", "Charge I1:100A", "Charge I2:200A", "Charge I3:300A",
         "Charge I4:400A", "DisCharge I1:500A"});
    row("battery voltage calibration", 108, hex("1e14"), hv, columns({{12, "30"}, {13, "20"}}));
    row("pack voltage calibration", 109, hex("1e14"), hv, columns({{12, "30"}, {13, "20℃"}}));
    row("SOC/SOH calibration", 110, hex("5a63"), lv, columns({{5, "90%"}, {6, "99%"}}));
    row("date time", 111, hex("00"), hv, {"N/A"});
    row("code 22", 22, hex("00"), hv, {"Not defined"});
    row("code 255 without data", 255, {}, lv, {"Not defined"});
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

#include "app/language.h"
#include "history/batteryfamily.h"
#include "history/bmsdetail.h"
#include "history/hvbmudetail.h"
#include "history/lvbmudetail.h"
#include "records.h"

#include <QtTest>

using namespace TestRecords;

namespace {

enum Family { Hv, Lv };

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

// A BMS snapshot: level-2 warning bit 0, switches relay + air switch + charge, SOC 80,
// SOH 99, 52.0 V, 52.8 V, -10.0 A, cells 3300/3200 mV, 35/20 ℃; words little-endian.
const char bmsSnapshotBytes[] = "0000 0100 0000 0000 19 50 63 0802 1002 9cff e40c 800c 23 14";

// An LV BMU snapshot: policy state, 10/30 ℃ environment, SOC 80, SOH 99 (not shown),
// current -10.0 A, 52.0 V battery, cells 3300/3200 mV, 35/20 ℃, warning words 0, 0x2001, 0
// and 52.8 V output; words little-endian.
const char lvSnapshotBytes[] = "04 0a 1e 50 63 9cff 0802 e40c 800c 23 14 0000 0120 0000 1002";
const char lvSnapshotText[] =
    "| System Status:BMU_POLICY || Environment_Temp_Min:10℃ || Environment_Temp_Max:30℃ || "
    "SOC:80% || Battery Total Voltage:52.0V || Output Voltage:52.8V || Current:-10.0A || "
    "Cell_HV:3300mV || Cell_LV:3200mV || Battery_Temp_Max:35℃ || Battery_Temp_Min:20℃ || No "
    "warning1 || Warning2:Battery over voltage;Short circuit; || No warning3 |";

} // namespace

Q_DECLARE_METATYPE(Family)

// The detail texts of saved records: BMU records of the high-voltage family (words
// big-endian) and the low-voltage family (little-endian), and the translation columns of
// BMS records. Rows check decoded values and the family rules, not the fixed wording of
// each code.
class TestRecordDetails : public QObject {
    Q_OBJECT

private slots:
    void bmuDetail_data() {
        QTest::addColumn<Family>("family");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, Family family, int code, const QByteArray& data,
                      const QString& text) {
            QTest::newRow(name) << family << code << data << text;
        };
        row("HV no data bytes, no text", Hv, 2, {}, "");
        row("LV no data bytes, no text", Lv, 0, {}, "");
        row("LV snapshot, code 2", Lv, 2, hex(lvSnapshotBytes), lvSnapshotText);
        row("HV state change to unknown", Hv, 32, hex("0c0b"), "| SYS_INIT -->| Not defined |");
        row("HV SOP info, unnamed inverter, four towers", Hv, 38,
            hex("0001 0000 0000 0000 0c 00 02 04"),
            "| Charge Max. Current:0.1A || Discharge Max. Current:0.0A || Charge Max. Voltage:0.0V "
            "|| Discharge Min. Voltage:0.0V || Not defined || Battery Temperature:0℃ |");
        row("LV BMU update, no section", Lv, 101, hex("55020102"),
            "| BMU Update || F/W Version:V1.2 |");
        row("LV BMS table", Lv, 105, hex("53010207"),
            "| BMS Updating || P/T Version:V1.2 || P/T No.7 table updating |");
        row("HV timing log", Hv, 118,
            hex("03 0a 1e 50 63 19 0fa0 0ce4 0c80 0023 0014 8001 0000 ffff"),
            "| System Status:SYS_ACTIVE || Environment_Temp_Min:10℃ || Environment_Temp_Max:30℃ "
            "|| SOC:80% || SOH:99% || Battery Current_Temp:25℃ || Battery Total Voltage:400.0V "
            "|| Cell_HV:3300mV || Cell_LV:3200mV || Battery_Temp_Max:35℃ || Battery_Temp_Min:20℃ "
            "|| BMS Warning1:1000000000000001 || BMS Warning2:0000000000000000 || BMS "
            "Warning3:1111111111111111 |");
        row("LV stop charging, leading blank", Lv, 5, hex("00"), " | Stop Charging |");
        row("HV code 4 has no detail", Hv, 4, hex("01"), "| Not defined. |");
    }

    void bmuDetail() {
        QFETCH(Family, family);
        QFETCH(int, code);
        QFETCH(QByteArray, data);
        QTEST(family == Hv ? hvBmuDetail(code, data) : lvBmuDetail(code, data), "text");
    }

    // One field of a long text, the rest of the record zero.
    void bmuDetailPiece_data() {
        QTest::addColumn<Family>("family");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("piece");
        auto row = [](const char* name, Family family, int code, const QByteArray& data,
                      const char* piece) {
            QTest::newRow(name) << family << code << data << piece;
        };
        row("HV events, warnings big-endian, first and last bit", Hv, 2, hex("0000 8001"),
            "|Battery Over Voltage;Current sensor failure;|");
        row("HV current most negative", Hv, 36, with(12, "8000"),
            "| BMU detected Current: -3276.8A |");
        row("HV running time 32 bits", Hv, 36, with(0, "01020304"), "| Running Time: 16909060s |");
        row("HV accumulated voltage in hundredths", Hv, 36, with(16, "0001"),
            "| BMU detected All Cells Accum_V: 0.10V |");
        row("HV module type unknown", Hv, 36, with(19, "03"), "| Moduel type: Not defined |");
        row("HV safety bits 12..15 have no text", Hv, 36, with(21, "f004"),
            "| Moduel Number: 0 | Cell OverTemp.;");
        row("HV timing log temperatures are words", Hv, 118, with(12, "0100"),
            "| Battery_Temp_Max:256℃ |");
        row("LV current most negative", Lv, 2, with(5, "0080"), "| Current:-3276.8A |");
        row("LV SOH is not shown", Lv, 2, with(4, "63"), "| SOC:0% || Battery Total");
        row("LV warnings 1 and 3, first and last bit", Lv, 2, with(15, "0080 0000 0100"),
            "| Warning1:I-sensor failure; || No warning2 || Warning3:Battery over voltage; |");
        row("LV short data reads zeros", Lv, 2, hex("06"),
            "| System Status:BMU_WAIT || Environment_Temp_Min:0℃ ||");
    }

    void bmuDetailPiece() {
        QFETCH(Family, family);
        QFETCH(int, code);
        QFETCH(QByteArray, data);
        QFETCH(QString, piece);
        const QString text = family == Hv ? hvBmuDetail(code, data) : lvBmuDetail(code, data);
        QVERIFY2(text.contains(piece), qPrintable(text));
        if (family == Lv)
            QCOMPARE(lvBmuSnapshot(data), text);
    }

    void bmsWarningWords_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("no data") << QByteArray() << none4;
        QTest::newRow("low byte first")
            << hex("0000 0110 0000 0000")
            << QStringList{"None", "Battery Over Voltage;Short Circuit;", "None", "None"};
    }

    void bmsWarningWords() {
        QFETCH(QByteArray, data);
        const BmsWarningTexts w = bmsWarningTexts(data);
        QTEST((QStringList{w.warning1, w.warning2, w.warning3, w.fault}), "texts");
    }

    void bmsSwitches_data() {
        QTest::addColumn<int>("switches");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("text");
        QTest::newRow("HV relay and air switch on")
            << 0x18 << LumenoHv << "| Relay is on; || Air Switch is on; |";
        QTest::newRow("HV shows only relay and air switch")
            << 0x01 << LumenoHv << "| Relay is off; || Air Switch is off; |";
        QTest::newRow("LV hides precharge bits 2 and 5")
            << 0x24 << LumenoLv
            << "| Charge Mos_Switch is off; || DisCharge Mos_Switch is off; || Relay is off; |";
        QTest::newRow("other family as LV")
            << 0x02 << "Other"
            << "| Charge Mos_Switch is off; || DisCharge Mos_Switch is on; || Relay is off; |";
    }

    void bmsSwitches() {
        QFETCH(int, switches);
        QFETCH(QString, family);
        QTEST(bmsSwitchText(quint8(switches), family), "text");
    }

    void bmsDetail_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QStringList>("texts");
        auto row = [](const char* name, int code, const QByteArray& data, const char* family,
                      const QStringList& texts) {
            QTest::newRow(name) << code << data << QString(family) << texts;
        };
        const char *hv = LumenoHv, *lv = LumenoLv;
        row("timing record, full snapshot", 3, hex(bmsSnapshotBytes), hv,
            QStringList{"None", "Battery Over Voltage;", "None", "None",
                        "| Relay is on; || Air Switch is on; |", "80%", "99%", "52.0", "52.8",
                        "-10.0", "3300", "3200", "35", "20", ""});
        row("charging state in remarks", 13, with(8, "01"), lv,
            none4 +
                QStringList{"| Charge Mos_Switch is on; || DisCharge Mos_Switch is off; || "
                            "Relay is off; |"} +
                zeroTail + QStringList{"Battery Charging"});
        row("calibration target SOC", 9, with(9, "3246"), lv,
            none4 + QStringList{"", "50%", "Target SOC:70%", "0.0", "0.0", "0.0", "0", "0", "0",
                                "0", "Battery Idling"});
        row("short data reads zeros", 16, hex("01"), hv,
            QStringList{"Battery Over Voltage;", "None", "None", "None", ""} + zeroTail +
                QStringList{"Battery Idling"});
        row("power on, section B", 0, hex("0000 01 00 03 01"), hv,
            {"Runing Section:B", "FW version:V1.3"});
        row("power off, LV reason from d[0]", 1, hex("0203 00 00 04 01"), lv,
            {"Power off due to communication failed with BMU", "Runing Section:A",
             "FW version:V1.4"});
        row("power off, HV reason from d[1]", 1, hex("0203 01"), hv,
            {"BMU Power off And communication between BMU and BMS failed", "Runing Section:B",
             "FW version:V0.0"});
        row("balancing, HV cell word", 17, with(21, "e40c"), hv, columns({{11, "3300"}}));
        row("balancing, LV extremes", 17, with(0, "e40c 800c"), lv,
            columns({{10, "3300"}, {11, "3200"}}));
        row("balancing start, other family", 17, with(0, "e40c"), "Other", {});
        row("additional info, module faulted", 21,
            hex("0000 0000 0000 0100 00 50 63 0802 1002 0300 07 0b 02 05 04"), hv,
            {"None", "None", "None", "Cells Voltage Sensor Failure;", "", "80%", "99%", "52.0",
             "52.8", " ", "Cell NO.7", "Cell NO.11", "Cell NO.2", "Cell NO.5",
             "4# Module Faulted 3# Module BIC fault"});
        row("update, HV before and after", 101, hex("0102030405"), hv,
            {"Target Area:B", "Before Update: V3.2", "After Update: V5.4"});
        row("update, HV 0xAA is area B", 101, hex("aa"), hv,
            {"Target Area:B", "Before Update: V0.0", "After Update: V0.0"});
        row("update, LV 0xAA is area A", 101, hex("aa000304"), lv,
            {"Target Area:A", "Current Version: V4.3"});
        row("code 255 without data", 255, {}, lv, {"Not defined"});
    }

    void bmsDetail() {
        QFETCH(int, code);
        QFETCH(QByteArray, data);
        QFETCH(QString, family);
        QTEST(bmsDetailTexts(code, data, family), "texts");
    }

    // The texts are translated where they are made: table rows, bit texts and filled
    // formats alike, with the decoded values and the codes left as they are.
    void bmuDetailInChinese_data() {
        QTest::addColumn<Family>("family");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("text");
        QTest::newRow("HV code table") << Hv << 1 << hex("03") << "| BMS请求关机。 |";
        QTest::newRow("HV version format")
            << Hv << 33 << hex("010102") << "| 已擦除分区: B || 固件版本: V1.2 |";
        QTest::newRow("LV unit and section tables")
            << Lv << 101 << hex("55010102") << "| BMU升级 || 升级B分区 || 固件版本:V1.2 |";
    }

    void bmuDetailInChinese() {
        QFETCH(Family, family);
        QFETCH(int, code);
        QFETCH(QByteArray, data);
        QVERIFY(installLanguage(QStringLiteral("zh_CN")));
        const QString text = family == Hv ? hvBmuDetail(code, data) : lvBmuDetail(code, data);
        QVERIFY(installLanguage(QStringLiteral("en")));
        QTEST(text, "text");
    }

    void bmsDetailInChinese() {
        QVERIFY(installLanguage(QStringLiteral("zh_CN")));
        const QStringList firmware =
            bmsDetailTexts(0, hex("000001000201"), QLatin1String(LumenoLv));
        const QString warnings = bmsWarningTexts(hex("0140")).warning1;
        QVERIFY(installLanguage(QStringLiteral("en")));
        QCOMPARE(firmware, (QStringList{"运行分区:B", "固件版本:V1.2"}));
        QCOMPARE(warnings, QStringLiteral("电池过压;互锁开关异常;"));
    }
};

QTEST_GUILESS_MAIN(TestRecordDetails)
#include "tst_recorddetails.moc"

// The history decoders: rows of a 600-byte log block (BMU and BMS), the BMS events, the
// translation of a saved log, and the detail texts of records: BMU records of the
// high-voltage family (words big-endian) and the low-voltage family (little-endian), and
// the columns of BMS records. Rows check decoded values and the family rules, not the
// fixed wording of each code.

#include "app/language.h"
#include "history/batteryfamily.h"
#include "history/bmsdetail.h"
#include "history/bmsevents.h"
#include "history/bmuevents.h"
#include "history/hvbmudetail.h"
#include "history/logtranslation.h"
#include "history/lvbmudetail.h"

#include <QtTest>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// A 30-byte record: the event code, six time-stamp bytes and 23 data bytes.
const QByteArray defaultTime = hex("150305090702");
const QString when = QStringLiteral("2021-03-05 09:07:02");

QByteArray record(int code, const QByteArray& data = {}, const QByteArray& time = defaultTime) {
    return char(code) + time.leftJustified(6, '\0', true) + data.leftJustified(23, '\0', true);
}

// 23 data bytes, zero but for `bytes` written from `offset`.
QByteArray with(int offset, const char* bytes) {
    return (QByteArray(offset, '\0') + hex(bytes)).leftJustified(23, '\0');
}

// A 600-byte block: the given records first, records of zero bytes after them.
QByteArray block(const QVector<QByteArray>& records) {
    QByteArray bytes;
    for (const QByteArray& r : records)
        bytes += r;
    return bytes.leftJustified(600, '\0', true);
}

const QString zeros = QStringLiteral("00 ").repeated(23);

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    // The code column and the description: codes below 10 with a text show two digits,
    // undefined ones their plain number; a P03 system's code 2 reads its first data byte.
    void codes_data() {
        QTest::addColumn<QStringList>("decoded");
        QTest::addColumn<QStringList>("expected");
        const auto bmu = [](int code, const char* serial, char firstDataByte) {
            const QByteArray bytes = block({record(code, QByteArray(1, firstDataByte))});
            return QStringList(decodeBmuBlock(bytes, serial)[0].mid(1, 2));
        };
        const auto bms = [](int code) {
            return QStringList(decodeBmsBlock(block({record(code)})).history[0].mid(1, 2));
        };
        const auto row = [](const char* name, const QStringList& decoded, const char* column,
                            const char* text) {
            QTest::newRow(name) << decoded << QStringList{column, text};
        };
        row("BMU power on", bmu(0, "Z10A7", 0), "00", "Power ON");
        row("P03 any non-zero byte appears", bmu(2, "P03E1", '\x80'), "02", "Events appear");
        row("P03 event disappears", bmu(2, "P03E1", 0), "02", "Events disappear");
        row("P03 not at the start records", bmu(2, "E0P3123", 1), "02", "Events record");
        row("lower-case p03 records", bmu(2, "p03E1", 1), "02", "Events record");
        row("BMU code 3 undefined, plain number", bmu(3, "", 0), "3", "No Defined");
        row("BMU code 121 undefined", bmu(121, "", 0), "121", "No Defined");
        row("BMS timing record is defined", bms(3), "03", "Timing Record");
        row("BMS code 112 undefined", bms(112), "112", "Not defined");
    }
    void codes() {
        QFETCH(QStringList, decoded);
        QTEST(decoded, "expected");
    }

    // Whole blocks through both decoders, whose rows are alike but for the description. Time
    // stamps are plain binary, not BCD: 0x15 is 2021.
    void rowsOfWholeBlock_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("log data lower-case hex, blank after each pair")
            << block({record(5, hex("a0a1a2a3a4a5a6a7a8a9aaabacadaeafb0b1b2b3b4b5b6"))}) << 0
            << QStringList{when, "05", "",
                           "a0 a1 a2 a3 a4 a5 a6 a7 a8 a9 aa ab ac ad ae af b0 b1 b2 b3 b4 b5 b6 "};
        QTest::newRow("last record of the block")
            << block({}).replace(570, 2, hex("0415")) << 19
            << QStringList{"2021-00-00 00:00:00", "04", "", zeros};
        QTest::newRow("erased record, three-digit fields")
            << QByteArray(600, char(0xFF)) << 7
            << QStringList{"20255-255-255 255:255:255", "255", "",
                           QStringLiteral("ff ").repeated(23)};
        QTest::newRow("cut record reads missing bytes as 0")
            << record(33) + record(102, hex("0203")).left(10) << 1
            << QStringList{when, "102", "", "02 03 " + zeros.mid(6)};
        QTest::newRow("empty block")
            << QByteArray() << 0 << QStringList{"2000-00-00 00:00:00", "00", "", zeros};
    }
    void rowsOfWholeBlock() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, row);
        QStringList bmu = decodeBmuBlock(bytes, QStringLiteral("P03"))[row];
        QStringList bms = decodeBmsBlock(bytes).history[row];
        bmu[2].clear();
        bms[2].clear();
        QTEST(bmu, "expected");
        QTEST(bms, "expected");
    }

    void bmsEvents_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TextRows>("events");
        const QByteArray laterTime = hex("170601100100");
        const QString later = QStringLiteral("2023-06-01 16:01:00");
        // Data bytes d[0..7] are record bytes 7..14: the three words start at d[2], d[4], d[6].
        QTest::newRow("level 2, low byte first, bits joined in order")
            << block({record(2, hex("0000011000000000"))})
            << TextRows{{when, "Warning Level2", "Battery Over Voltage;Short Circuit;"}};
        QTest::newRow("record order, level order, other codes carry no events")
            << block({record(2, hex("0000000000100000")), record(5, hex("0000ffffffffffff")),
                      record(2, hex("0000020004000100"), laterTime)})
            << TextRows{{when, "Warning Level3", "Short Circuit;"},
                        {later, "Warning Level2", "Battery Under Voltage;"},
                        {later, "Warning Level3", "Cells OverVoltage;"},
                        {later, "Alarm", "Cells Voltage Sensor Failure;"}};
        QTest::newRow("no words set, words outside bytes 9..14 ignored")
            << block({record(2, hex("ffff000000000000ffffffff"))}) << TextRows{};
        QTest::newRow("cut after the level-2 low byte")
            << block({record(0), record(2, hex("00000400ffffffff"))}).left(40)
            << TextRows{{when, "Warning Level2", "Cells OverVoltage;"}};
    }
    void bmsEvents() {
        QFETCH(QByteArray, bytes);
        QTEST(decodeBmsBlock(bytes).events, "events");
    }

    // One saved row: its family picks the byte order, and text as a spreadsheet program
    // leaves it still reads.
    void translatedRow_data() {
        QTest::addColumn<TextRows>("decoded");
        QTest::addColumn<QStringList>("expected"); // none: the row is left unwritten
        const auto saved = [](LogUnit unit, const char* family, const QString& dateTime,
                              const char* code, const char* logData) {
            const SavedLog log{{dateTime}, {code}, {QStringLiteral("Power ON")}, {logData}};
            return translateSavedLog(log, unit, family);
        };
        const auto row = [](const char* name, const TextRows& decoded, const QStringList& texts) {
            QTest::newRow(name) << decoded << texts;
        };
        const auto bmu = LogUnit::Bmu;
        const QString lvVersion = QStringLiteral("| Running Version:V3.12 |");
        row("BMU LV running version", saved(bmu, LumenoLv, when, "00", "03 0c 00 "),
            {when, "00", "Power ON", lvVersion});
        row("same row read as HV", saved(bmu, LumenoHv, when, "00", "03 0c 00 "),
            {when, "00", "Power ON",
             "| F/W Update || Running section: B || Current Version: V0.0 |"});
        row("upper-case hex without blanks, time after a T, code not a number reads 0",
            saved(bmu, LumenoLv, "2021-03-05T09:07:02.000", "x1", "030C"),
            {when, "x1", "Power ON", lvVersion});
        row("BMU unknown family leaves the row unwritten",
            saved(bmu, "Lumeno XV", when, "00", "030c"), {});
        row("no unit leaves the row unwritten", saved(LogUnit::None, LumenoLv, when, "00", "030c"),
            {});
    }
    void translatedRow() {
        QFETCH(TextRows, decoded);
        QCOMPARE(decoded.size(), 1);
        QTEST(decoded[0], "expected");
    }

    // Detail texts of records, whole or one field of a long text with the rest of the
    // record zero: BMU records of either family, BMS switch texts and the BMS columns.
    void details_data() {
        QTest::addColumn<QStringList>("decoded");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("whole");
        const auto row = [](const char* name, const QStringList& decoded,
                            const QStringList& expected) {
            QTest::newRow(name) << decoded << expected << true;
        };
        const auto piece = [](const char* name, const QString& decoded, const char* expected) {
            QTest::newRow(name) << QStringList{decoded} << QStringList{QString::fromUtf8(expected)}
                                << false;
        };
        row("no data bytes, no text", {hvBmuDetail(2, {}), lvBmuDetail(0, {})}, {"", ""});
        // Policy state, 10/30 ℃ environment, SOC 80, SOH 99 (not shown), current -10.0 A,
        // 52.0 V battery, cells 3300/3200 mV, 35/20 ℃, warning words 0, 0x2001, 0 and 52.8 V
        // output; words little-endian.
        const QByteArray lvSnapshot =
            hex("04 0a 1e 50 63 9cff 0802 e40c 800c 23 14 0000 0120 0000 1002");
        const QString lvText = QStringLiteral(
            "| System Status:BMU_POLICY || Environment_Temp_Min:10℃ || Environment_Temp_Max:30℃ "
            "|| SOC:80% || Battery Total Voltage:52.0V || Output Voltage:52.8V || Current:-10.0A "
            "|| Cell_HV:3300mV || Cell_LV:3200mV || Battery_Temp_Max:35℃ || Battery_Temp_Min:20℃ "
            "|| No warning1 || Warning2:Battery over voltage;Short circuit; || No warning3 |");
        row("LV snapshot", {lvBmuDetail(2, lvSnapshot), lvBmuSnapshot(lvSnapshot)},
            {lvText, lvText});
        row("HV timing log",
            {hvBmuDetail(118, hex("030a1e506319 0fa0 0ce4 0c80 0023 0014 8001 0000 ffff"))},
            {"| System Status:SYS_ACTIVE || Environment_Temp_Min:10℃ || Environment_Temp_Max:30℃ "
             "|| SOC:80% || SOH:99% || Battery Current_Temp:25℃ || Battery Total Voltage:400.0V "
             "|| Cell_HV:3300mV || Cell_LV:3200mV || Battery_Temp_Max:35℃ || Battery_Temp_Min:20℃ "
             "|| BMS Warning1:1000000000000001 || BMS Warning2:0000000000000000 || BMS "
             "Warning3:1111111111111111 |"});
        row("HV state change to unknown", {hvBmuDetail(32, hex("0c0b"))},
            {"| SYS_INIT -->| Not defined |"});
        row("HV code 4 has no detail", {hvBmuDetail(4, hex("01"))}, {"| Not defined. |"});
        row("LV BMU update, no section", {lvBmuDetail(101, hex("55020102"))},
            {"| BMU Update || F/W Version:V1.2 |"});
        row("LV BMS table", {lvBmuDetail(105, hex("53010207"))},
            {"| BMS Updating || P/T Version:V1.2 || P/T No.7 table updating |"});
        row("LV stop charging, leading blank", {lvBmuDetail(5, hex("00"))}, {" | Stop Charging |"});
        row("HV SOP info, unnamed inverter, four towers",
            {hvBmuDetail(38, hex("0001 0000 0000 0000 0c 000204"))},
            {"| Charge Max. Current:0.1A || Discharge Max. Current:0.0A || Charge Max. "
             "Voltage:0.0V || Discharge Min. Voltage:0.0V || Not defined || Battery "
             "Temperature:0℃ |"});
        piece("HV events, warnings big-endian, first and last bit", hvBmuDetail(2, hex("00008001")),
              "|Battery Over Voltage;Current sensor failure;|");
        piece("HV current most negative", hvBmuDetail(36, with(12, "8000")),
              "| BMU detected Current: -3276.8A |");
        piece("HV running time 32 bits", hvBmuDetail(36, with(0, "01020304")),
              "| Running Time: 16909060s |");
        piece("HV accumulated voltage in hundredths", hvBmuDetail(36, with(16, "0001")),
              "| BMU detected All Cells Accum_V: 0.10V |");
        piece("HV module type unknown", hvBmuDetail(36, with(19, "03")),
              "| Moduel type: Not defined |");
        piece("HV safety bits 12..15 have no text", hvBmuDetail(36, with(21, "f004")),
              "| Moduel Number: 0 | Cell OverTemp.;");
        piece("HV timing log temperatures are words", hvBmuDetail(118, with(12, "0100")),
              "| Battery_Temp_Max:256℃ |");
        piece("LV current most negative", lvBmuDetail(2, with(5, "0080")), "| Current:-3276.8A |");
        piece("LV SOH is not shown", lvBmuDetail(2, with(4, "63")), "| SOC:0% || Battery Total");
        piece("LV warnings 1 and 3, first and last bit", lvBmuDetail(2, with(15, "0080 0000 0100")),
              "| Warning1:I-sensor failure; || No warning2 || Warning3:Battery over voltage; |");
        piece("LV short data reads zeros", lvBmuDetail(2, hex("06")),
              "| System Status:BMU_WAIT || Environment_Temp_Min:0℃ ||");
        row("BMS switches: HV shows only relay and air switch", {bmsSwitchText(0x01, LumenoHv)},
            {"| Relay is off; || Air Switch is off; |"});
        row("BMS switches: LV hides precharge bits 2 and 5", {bmsSwitchText(0x24, LumenoLv)},
            {"| Charge Mos_Switch is off; || DisCharge Mos_Switch is off; || Relay is off; |"});
        row("BMS switches: other family as LV", {bmsSwitchText(0x02, "Other")},
            {"| Charge Mos_Switch is off; || DisCharge Mos_Switch is on; || Relay is off; |"});
        const char *hv = LumenoHv, *lv = LumenoLv;
        const auto pick = [](const QStringList& texts, std::initializer_list<int> columns) {
            QStringList picked;
            for (const int column : columns)
                picked << texts.value(column);
            return picked;
        };
        // Level-2 warning bit 0, switches relay + air switch + charge, SOC 80, SOH 99, 52.0 V,
        // 52.8 V, -10.0 A, cells 3300/3200 mV, 35/20 ℃; words little-endian.
        row("BMS timing record, full snapshot",
            bmsDetailTexts(3, hex("0000 0100 0000 0000 19 50 63 0802 1002 9cff e40c 800c 23 14"),
                           hv),
            {"None", "Battery Over Voltage;", "None", "None",
             "| Relay is on; || Air Switch is on; |", "80%", "99%", "52.0", "52.8", "-10.0", "3300",
             "3200", "35", "20", ""});
        row("BMS charging state in remarks", pick(bmsDetailTexts(13, with(8, "01"), lv), {4, 14}),
            {"| Charge Mos_Switch is on; || DisCharge Mos_Switch is off; || Relay is off; |",
             "Battery Charging"});
        row("BMS calibration target SOC", pick(bmsDetailTexts(9, with(9, "3246"), lv), {5, 6}),
            {"50%", "Target SOC:70%"});
        row("BMS short data reads zeros", bmsDetailTexts(16, hex("01"), hv),
            {"Battery Over Voltage;", "None", "None", "None", "", "0%", "0%", "0.0", "0.0", "0.0",
             "0", "0", "0", "0", "Battery Idling"});
        row("BMS power on, section B", bmsDetailTexts(0, hex("0000 01 00 03 01"), hv),
            {"Runing Section:B", "FW version:V1.3"});
        row("BMS power off, LV reason from d[0]", bmsDetailTexts(1, hex("0203 00 00 04 01"), lv),
            {"Power off due to communication failed with BMU", "Runing Section:A",
             "FW version:V1.4"});
        row("BMS power off, HV reason from d[1]", bmsDetailTexts(1, hex("0203 01"), hv),
            {"BMU Power off And communication between BMU and BMS failed", "Runing Section:B",
             "FW version:V0.0"});
        row("BMS balancing, HV cell word", pick(bmsDetailTexts(17, with(21, "e40c"), hv), {10, 11}),
            {"", "3300"});
        row("BMS balancing, LV extremes",
            pick(bmsDetailTexts(17, with(0, "e40c 800c"), lv), {10, 11}), {"3300", "3200"});
        row("BMS balancing start, other family", bmsDetailTexts(17, with(0, "e40c"), "Other"), {});
        row("BMS additional info, module faulted",
            bmsDetailTexts(21, hex("0000 0000 0000 0100 00 50 63 0802 1002 0300 07 0b 02 05 04"),
                           hv),
            {"None", "None", "None", "Cells Voltage Sensor Failure;", "", "80%", "99%", "52.0",
             "52.8", " ", "Cell NO.7", "Cell NO.11", "Cell NO.2", "Cell NO.5",
             "4# Module Faulted 3# Module BIC fault"});
        row("BMS update, HV before and after", bmsDetailTexts(101, hex("0102030405"), hv),
            {"Target Area:B", "Before Update: V3.2", "After Update: V5.4"});
        row("BMS update, HV 0xAA is area B", bmsDetailTexts(101, hex("aa"), hv),
            {"Target Area:B", "Before Update: V0.0", "After Update: V0.0"});
        row("BMS update, LV 0xAA is area A", bmsDetailTexts(101, hex("aa000304"), lv),
            {"Target Area:A", "Current Version: V4.3"});
        row("BMS code 255 without data", bmsDetailTexts(255, {}, lv), {"Not defined"});
    }
    void details() {
        QFETCH(QStringList, decoded);
        QFETCH(QStringList, expected);
        QFETCH(bool, whole);
        if (whole)
            QCOMPARE(decoded, expected);
        else
            QVERIFY2(decoded.first().contains(expected.first()), qPrintable(decoded.first()));
    }

    // The texts are translated where they are made: table rows, bit texts and filled
    // formats alike, with the decoded values and the codes left as they are.
    void textsInChinese() {
        QVERIFY(installLanguage(QStringLiteral("zh_CN")));
        const QStringList texts{hvBmuDetail(1, hex("03")), hvBmuDetail(33, hex("010102")),
                                lvBmuDetail(101, hex("55010102")),
                                bmsDetailTexts(0, hex("000001000201"), LumenoLv).join('|'),
                                bmsWarningTexts(hex("0140")).warning1};
        QVERIFY(installLanguage(QStringLiteral("en")));
        QCOMPARE(texts, (QStringList{"| BMS请求关机。 |", "| 已擦除分区: B || 固件版本: V1.2 |",
                                     "| BMU升级 || 升级B分区 || 固件版本:V1.2 |",
                                     "运行分区:B|固件版本:V1.2", "电池过压;互锁开关异常;"}));
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"

#include "history/hvbmudetail.h"
#include "history/lvbmudetail.h"
#include "records.h"

#include <QtTest>

using namespace TestRecords;

namespace {

// The same HV record in its full text: all words big-endian.
const char hvEventsText[] =
    "| BMU detect AirSwitch abnormal |No warning| Cell_Max._V:3300mV || Cell_Min._V:3200mV || "
    "Battery_Temp_Max:30℃ || Battery_Temp_Min:20℃ || Battery Total Voltage:400.0V || SOC:90% || "
    "SOH:99% |";

// An LV snapshot: policy state, 10/30 ℃ environment, SOC 80, SOH 99 (not shown), current
// -10.0 A, 52.0 V battery, cells 3300/3200 mV, 35/20 ℃, warning words 0, 0x2001, 0
// and 52.8 V output; words little-endian.
const char lvSnapshotBytes[] = "04 0a 1e 50 63 9cff 0802 e40c 800c 23 14 0000 0120 0000 1002";
const char lvSnapshotText[] =
    "| System Status:BMU_POLICY || Environment_Temp_Min:10℃ || Environment_Temp_Max:30℃ || "
    "SOC:80% || Battery Total Voltage:52.0V || Output Voltage:52.8V || Current:-10.0A || "
    "Cell_HV:3300mV || Cell_LV:3200mV || Battery_Temp_Max:35℃ || Battery_Temp_Min:20℃ || No "
    "warning1 || Warning2:Battery over voltage;Short circuit; || No warning3 |";

enum Family { Hv, Lv };

} // namespace

Q_DECLARE_METATYPE(Family)

// Detail texts of BMU records, high-voltage (big-endian) and low-voltage (little-endian).
class TestBmuDetail : public QObject {
    Q_OBJECT

private slots:
    void detailText_data();
    void detailText();
    void detailPieces_data();
    void detailPieces();
    void hvStateFramings_data();
    void hvStateFramings();
};

void TestBmuDetail::detailText_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("text");
    auto row = [](const char* name, Family family, int code, const QByteArray& data,
                  const QString& text) { QTest::newRow(name) << family << code << data << text; };

    row("HV no data bytes, no text", Hv, 2, {}, "");
    row("LV no data bytes, no text", Lv, 0, {}, "");
    row("HV power on, bootloader, A", Hv, 0, hex("00000102"),
        "| Bootloader || Running section: A || Current Version: V1.2 |");
    row("LV running version", Lv, 0, hex("030c"), "| Running Version:V3.12 |");
    row("HV shutdown, SMA two blanks", Hv, 1, hex("06"), "| SMA enables  signal loss. |");
    row("HV shutdown, unknown", Hv, 1, hex("00"), "| Not defined. |");
    row("LV shutdown by button", Lv, 1, hex("01"), "| Shutdown by pressing LED button. |");
    row("LV level 4, unknown cause", Lv, 1, hex("0409"), "| Shutdown due to Warning level4. |");
    row("LV level 4, cell voltage high", Lv, 1, hex("0401"),
        "| Shutdown due to Warning level4. || Cell voltage High |");
    row("LV level 4, charging overcurrent", Lv, 1, hex("0408"),
        "| Shutdown due to Warning level4. || Charging Overcurrent |");
    row("LV shutdown unknown", Lv, 1, hex("05"), "| Not defined. |");
    row("HV events, no warning", Hv, 2, hex("0018 0000 0ce4 0c80 1e 14 0fa0 5a 63"), hvEventsText);
    row("HV events, warnings big-endian, first and last bit", Hv, 2, hex("0000 8001"),
        "| Total Voltage too High |Battery Over Voltage;Current sensor failure;| Cell_Max._V:0mV "
        "|| Cell_Min._V:0mV || Battery_Temp_Max:0℃ || Battery_Temp_Min:0℃ || Battery Total "
        "Voltage:0.0V || SOC:0% || SOH:0% |");
    row("LV snapshot, code 2", Lv, 2, hex(lvSnapshotBytes), lvSnapshotText);
    row("LV snapshot, code 118", Lv, 118, hex(lvSnapshotBytes), lvSnapshotText);
    row("HV state change", Hv, 32, hex("0300"), "| SYS_STANDBY --> SYS_ACTIVE |");
    row("HV state change from unknown", Hv, 32, hex("0b0c"), "| Not defined --> SYS_INIT |");
    row("HV state change to unknown", Hv, 32, hex("0c0b"), "| SYS_INIT -->| Not defined |");
    row("HV erase section B", Hv, 33, hex("070102"), "| Erased section: B || FW Version: V1.2 |");
    row("HV functional safety info", Hv, 36,
        hex("00010000 10 08 0ce4 0c80 23 0f ff9c 0fa0 1388 02 02 05 0801"),
        "| Running Time: 65536s || BMU detected Cells Qty: 16 || BMU detected Temp. Qty: 8 || "
        "BMU detected Cell_V_Max: 3300mV || BMU detected Cell_V_Min: 3200mV || BMU detected "
        "Temp_Max: 35℃ || BMU detected Temp_Min: 15℃ || BMU detected Current: -10.0A || BMU "
        "detected Output_V: 400.0V || BMU detected All Cells Accum_V: 500.00V || BMS Address: 2 "
        "|| Moduel type: QPA || Moduel Number: 5 | Cell OverVoltage; Output Voltage differs too "
        "much from the accumulator voltage;");
    row("HV SOP info", Hv, 38, hex("03e8 07d0 1068 0bb8 03 19 05 02"),
        "| Charge Max. Current:100.0A || Discharge Max. Current:200.0A || Charge Max. "
        "Voltage:420.0V || Discharge Min. Voltage:300.0V | SYS_ACTIVE || Battery "
        "Temperature:25℃ || SMA SBS3.7/5.0/6.0 HV || BMS Qty:2 |");
    row("HV SOP info, unnamed inverter, four towers", Hv, 38,
        hex("0001 0000 0000 0000 0c 00 02 04"),
        "| Charge Max. Current:0.1A || Discharge Max. Current:0.0A || Charge Max. Voltage:0.0V || "
        "Discharge Min. Voltage:0.0V || Not defined || Battery Temperature:0℃ |");
    row("HV hardware, other value", Hv, 39, hex("03"), "");
    row("HV BMS B updating", Hv, 101, hex("010203"), "| BMS B Updating || Version:V2.3 |");
    row("HV update target unknown", Hv, 101, hex("07"), "| Not defined. || Version:V0.0 |");
    row("LV BMS update section A", Lv, 101, hex("53000102"),
        "| BMS Update || Updating Section A || F/W Version:V1.2 |");
    row("LV BMU update, no section", Lv, 101, hex("55020102"),
        "| BMU Update || F/W Version:V1.2 |");
    row("HV update finish", Hv, 102, hex("00"), "| BMS Update Finish |");
    row("LV finish, lower-case letter", Lv, 102, hex("73"), "| Not defined |");
    row("LV BMU failure section B", Lv, 103, hex("5501"),
        "| BMU Update failure || Updating Section B |");
    row("LV jump to section B", Lv, 104, hex("010203"),
        "| Updating Section B || F/W Version:V2.3 |");
    row("HV BMU table", Hv, 105, hex("0b0304"),
        "| BMU Parameters table Update || Parameters table： V3.4 |");
    row("LV BMS table", Lv, 105, hex("53010207"),
        "| BMS Updating || P/T Version:V1.2 || P/T No.7 table updating |");
    row("LV SN changed", Lv, 106, hex("00"), "No record data");
    row("HV calibration unknown", Hv, 111, hex("03"), "| Not defined. |");
    row("HV not assigned", Hv, 116, hex("05"), "| BMS reports not assigned to the address |");
    row("HV timing log", Hv, 118, hex("03 0a 1e 50 63 19 0fa0 0ce4 0c80 0023 0014 8001 0000 ffff"),
        "| System Status:SYS_ACTIVE || Environment_Temp_Min:10℃ || Environment_Temp_Max:30℃ || "
        "SOC:80% || SOH:99% || Battery Current_Temp:25℃ || Battery Total Voltage:400.0V || "
        "Cell_HV:3300mV || Cell_LV:3200mV || Battery_Temp_Max:35℃ || Battery_Temp_Min:20℃ || BMS "
        "Warning1:1000000000000001 || BMS Warning2:0000000000000000 || BMS "
        "Warning3:1111111111111111 |");
    row("LV stop charging, leading blank", Lv, 5, hex("00"), " | Stop Charging |");
    row("HV code 4 has no detail", Hv, 4, hex("01"), "| Not defined. |");
    row("LV code 32 has no detail", Lv, 32, hex("00"), "| Not defined |");
}

void TestBmuDetail::detailText() {
    QFETCH(Family, family);
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    QFETCH(QString, text);
    QCOMPARE(family == Hv ? hvBmuDetail(code, data) : lvBmuDetail(code, data), text);
}

// One field of a long text, the rest of the record zero.
void TestBmuDetail::detailPieces_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("piece");
    auto row = [](const char* name, Family family, int code, const QByteArray& data,
                  const char* piece) { QTest::newRow(name) << family << code << data << piece; };

    row("HV current most negative", Hv, 36, with(12, "8000"), "| BMU detected Current: -3276.8A |");
    row("HV running time 32 bits", Hv, 36, with(0, "01020304"), "| Running Time: 16909060s |");
    row("HV accumulated voltage in hundredths", Hv, 36, with(16, "0001"),
        "| BMU detected All Cells Accum_V: 0.10V |");
    row("HV module type unknown", Hv, 36, with(19, "03"), "| Moduel type: Not defined |");
    row("HV safety bits 12..15 have no text", Hv, 36, with(21, "f004"),
        "| Moduel Number: 0 | Cell OverTemp.;");
    row("HV fault Sersor spelling", Hv, 2, with(1, "05"), "| Temperature Sersor Fault |");
    row("HV inverter Fronius", Hv, 38, with(10, "00"), "| Fronius HV |");
    row("HV inverter SBS2.5", Hv, 38, with(10, "10"), "| SMA SBS2.5 HV |");
    row("HV three towers counted", Hv, 38, with(11, "03"), "| BMS Qty:3 |");
    row("HV timing log temperatures are words", Hv, 118, with(12, "0100"),
        "| Battery_Temp_Max:256℃ |");
    row("LV state unknown", Lv, 112, with(0, "08"), "| Not defined || Environment");
    row("LV current 10.0, low byte first", Lv, 116, with(5, "6400"), "| Current:10.0A |");
    row("LV current most negative", Lv, 2, with(5, "0080"), "| Current:-3276.8A |");
    row("LV current most positive", Lv, 2, with(5, "ff7f"), "| Current:3276.7A |");
    row("LV SOH is not shown", Lv, 2, with(4, "63"), "| SOC:0% || Battery Total");
    row("LV warnings 1 and 3, first and last bit", Lv, 2, with(15, "0080 0000 0100"),
        "| Warning1:I-sensor failure; || No warning2 || Warning3:Battery over voltage; |");
    row("LV short data reads zeros", Lv, 2, hex("06"),
        "| System Status:BMU_WAIT || Environment_Temp_Min:0℃ ||");
}

void TestBmuDetail::detailPieces() {
    QFETCH(Family, family);
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    QFETCH(QString, piece);
    const QString text = family == Hv ? hvBmuDetail(code, data) : lvBmuDetail(code, data);
    QVERIFY2(text.contains(piece), qPrintable(text));
    if (family == Lv)
        QCOMPARE(lvBmuSnapshot(data), text);
}

void TestBmuDetail::hvStateFramings_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("framings");
    QTest::newRow("standby") << 0
                             << QStringList{"| System Status:SYS_STANDBY |", "| SYS_STANDBY ",
                                            " SYS_STANDBY |"};
    QTest::newRow("init") << 11
                          << QStringList{"| System Status:SYS_INIT |", "| SYS_INIT ",
                                         " SYS_INIT |"};
    QTest::newRow("unknown") << 12
                             << QStringList{"| Not defined |", "| Not defined ", "| Not defined |"};
    QTest::newRow("unknown 255") << 255
                                 << QStringList{"| Not defined |", "| Not defined ",
                                                "| Not defined |"};
}

void TestBmuDetail::hvStateFramings() {
    QFETCH(int, state);
    QFETCH(QStringList, framings);
    QCOMPARE((QStringList{hvSystemStatus(state), hvStateLeading(state), hvStateTrailing(state)}),
             framings);
}

QTEST_GUILESS_MAIN(TestBmuDetail)
#include "tst_bmudetail.moc"

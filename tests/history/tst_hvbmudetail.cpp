#include "history/hvbmudetail.h"

#include <QtTest>

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}
} // namespace

class TestHvBmuDetail : public QObject {
    Q_OBJECT

private slots:
    void detailText_data();
    void detailText();
    void detailPieces_data();
    void detailPieces();
    void stateFramings_data();
    void stateFramings();
};

void TestHvBmuDetail::detailText_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("text");

    QTest::newRow("no data bytes, no text") << 2 << QByteArray() << "";
    QTest::newRow("unknown code without data") << 200 << QByteArray() << "";
    QTest::newRow("power on, bootloader, A")
        << 0 << hex("00000102") << "| Bootloader || Running section: A || Current Version: V1.2 |";
    QTest::newRow("power on, update, B")
        << 0 << hex("01010a14")
        << "| F/W Update || Running section: B || Current Version: V10.20 |";
    QTest::newRow("shutdown by button")
        << 1 << hex("01") << "| Switch off by pressing LED button. |";
    QTest::newRow("shutdown, timer") << 1 << hex("02") << "| Shutdown dur to timer timeout. |";
    QTest::newRow("shutdown, SMA two blanks") << 1 << hex("06") << "| SMA enables  signal loss. |";
    QTest::newRow("shutdown, reset") << 1 << hex("07") << "| Inverter requests to reset. |";
    QTest::newRow("shutdown, unknown") << 1 << hex("00") << "| Not defined. |";
    QTest::newRow("events, no warning")
        << 2 << hex("0018 0000 0ce4 0c80 1e 14 0fa0 5a 63")
        << "| BMU detect AirSwitch abnormal |No warning| Cell_Max._V:3300mV || Cell_Min._V:3200mV "
           "|| Battery_Temp_Max:30℃ || Battery_Temp_Min:20℃ || Battery Total Voltage:400.0V || "
           "SOC:90% || SOH:99% |";
    QTest::newRow("events, warnings big-endian")
        << 2 << hex("0000 2001")
        << "| Total Voltage too High |Battery Over Voltage;Short circuit;| Cell_Max._V:0mV || "
           "Cell_Min._V:0mV || Battery_Temp_Max:0℃ || Battery_Temp_Min:0℃ || Battery Total "
           "Voltage:0.0V || SOC:0% || SOH:0% |";
    QTest::newRow("events, unknown fault, one byte short")
        << 2 << hex("0019 8000 0000 0000 00 00 0000 00")
        << "| Not defined |Current sensor failure;| Cell_Max._V:0mV || Cell_Min._V:0mV || "
           "Battery_Temp_Max:0℃ || Battery_Temp_Min:0℃ || Battery Total Voltage:0.0V || SOC:0% "
           "|| SOH:0% |";
    QTest::newRow("state change") << 32 << hex("0300") << "| SYS_STANDBY --> SYS_ACTIVE |";
    QTest::newRow("state change from unknown")
        << 32 << hex("0b0c") << "| Not defined --> SYS_INIT |";
    QTest::newRow("state change to unknown")
        << 32 << hex("0c0b") << "| SYS_INIT -->| Not defined |";
    QTest::newRow("erase section A")
        << 33 << hex("000205") << "| Erased section: A || FW Version: V2.5 |";
    QTest::newRow("erase section B")
        << 33 << hex("070102") << "| Erased section: B || FW Version: V1.2 |";
    QTest::newRow("functional safety info")
        << 36 << hex("00010000 10 08 0ce4 0c80 23 0f ff9c 0fa0 1388 02 02 05 0801")
        << "| Running Time: 65536s || BMU detected Cells Qty: 16 || BMU detected Temp. Qty: 8 || "
           "BMU detected Cell_V_Max: 3300mV || BMU detected Cell_V_Min: 3200mV || BMU detected "
           "Temp_Max: 35℃ || BMU detected Temp_Min: 15℃ || BMU detected Current: -10.0A || BMU "
           "detected Output_V: 400.0V || BMU detected All Cells Accum_V: 500.00V || BMS "
           "Address: 2 || Moduel type: QPA || Moduel Number: 5 | Cell OverVoltage; Output "
           "Voltage differs too much from the accumulator voltage;";
    QTest::newRow("SOP info")
        << 38 << hex("03e8 07d0 1068 0bb8 03 19 05 02")
        << "| Charge Max. Current:100.0A || Discharge Max. Current:200.0A || Charge Max. "
           "Voltage:420.0V || Discharge Min. Voltage:300.0V | SYS_ACTIVE || Battery "
           "Temperature:25℃ || SMA SBS3.7/5.0/6.0 HV || BMS Qty:2 |";
    QTest::newRow("SOP info, unnamed inverter, four towers")
        << 38 << hex("0001 0000 0000 0000 0c 00 02 04")
        << "| Charge Max. Current:0.1A || Discharge Max. Current:0.0A || Charge Max. "
           "Voltage:0.0V || Discharge Min. Voltage:0.0V || Not defined || Battery "
           "Temperature:0℃ |";
    QTest::newRow("BCU not shut down") << 39 << hex("01") << "| BCU can not be shutdown! |";
    QTest::newRow("air switch") << 39 << hex("02") << "| Air switch can not be disconnected! |";
    QTest::newRow("hardware, other value") << 39 << hex("03") << "";
    QTest::newRow("BMS B updating") << 101 << hex("010203") << "| BMS B Updating || Version:V2.3 |";
    QTest::newRow("BMS table updating")
        << 101 << hex("020103") << "| BMS Parameters table Updating || Version:V1.3 |";
    QTest::newRow("update target unknown")
        << 101 << hex("07") << "| Not defined. || Version:V0.0 |";
    QTest::newRow("update finish") << 102 << hex("00") << "| BMS Update Finish |";
    QTest::newRow("update failure") << 103 << hex("00") << "| BMS Update Failure |";
    QTest::newRow("BMS table") << 105 << hex("0a0102")
                               << "| BMS Parameters table Update || Parameters table： V1.2 |";
    QTest::newRow("BMU table") << 105 << hex("0b0304")
                               << "| BMU Parameters table Update || Parameters table： V3.4 |";
    QTest::newRow("calibrated by inverter") << 111 << hex("01") << "| Calibrated by Inverter |";
    QTest::newRow("calibrated by internet") << 111 << hex("02") << "| Calibrated by Internet |";
    QTest::newRow("calibration unknown") << 111 << hex("03") << "| Not defined. |";
    QTest::newRow("no BMS reply") << 116 << hex("04") << "| No BMS reply |";
    QTest::newRow("not assigned") << 116 << hex("05")
                                  << "| BMS reports not assigned to the address |";
    QTest::newRow("address failure unknown") << 116 << hex("06") << "| Not defined. |";
    QTest::newRow("timing log")
        << 118 << hex("03 0a 1e 50 63 19 0fa0 0ce4 0c80 0023 0014 8001 0000 ffff")
        << "| System Status:SYS_ACTIVE || Environment_Temp_Min:10℃ || Environment_Temp_Max:30℃ "
           "|| SOC:80% || SOH:99% || Battery Current_Temp:25℃ || Battery Total Voltage:400.0V || "
           "Cell_HV:3300mV || Cell_LV:3200mV || Battery_Temp_Max:35℃ || Battery_Temp_Min:20℃ || "
           "BMS Warning1:1000000000000001 || BMS Warning2:0000000000000000 || BMS "
           "Warning3:1111111111111111 |";
    QTest::newRow("code 4 has no detail") << 4 << hex("01") << "| Not defined. |";
    QTest::newRow("code 104 has no detail") << 104 << hex("01") << "| Not defined. |";
    QTest::newRow("code 255") << 255 << hex("ff") << "| Not defined. |";
}

void TestHvBmuDetail::detailText() {
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    QFETCH(QString, text);
    QCOMPARE(hvBmuDetail(code, data), text);
}

void TestHvBmuDetail::detailPieces_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("piece");

    const QByteArray zero = QByteArray(23, '\0');
    auto with = [&](int offset, const char* bytes) {
        QByteArray d = zero;
        const QByteArray b = hex(bytes);
        d.replace(offset, b.size(), b);
        return d;
    };
    QTest::newRow("current -10.0") << 36 << with(12, "ff9c") << "| BMU detected Current: -10.0A |";
    QTest::newRow("current 10.0") << 36 << with(12, "0064") << "| BMU detected Current: 10.0A |";
    QTest::newRow("current most negative")
        << 36 << with(12, "8000") << "| BMU detected Current: -3276.8A |";
    QTest::newRow("running time 32 bits")
        << 36 << with(0, "01020304") << "| Running Time: 16909060s |";
    QTest::newRow("accumulated voltage two decimals")
        << 36 << with(16, "0001") << "| BMU detected All Cells Accum_V: 0.10V |";
    QTest::newRow("module type QPC") << 36 << with(19, "00") << "| Moduel type: QPC |";
    QTest::newRow("module type QPB") << 36 << with(19, "01") << "| Moduel type: QPB |";
    QTest::newRow("module type unknown") << 36 << with(19, "03") << "| Moduel type: Not defined |";
    QTest::newRow("safety bits 12..15 have no text")
        << 36 << with(21, "f004") << "| Moduel Number: 0 | Cell OverTemp.;";
    QTest::newRow("all safety texts")
        << 36 << with(21, "0fff")
        << " Cell OverVoltage; Cell UnderVoltage; Cell OverTemp.; Cell UnderTemp.; Cell Voltage "
           "sampling cable off; Temperature sampling cable off; Output OverVoltage; Output "
           "OverCurrent; BMS Abnormal heartbeat frame; Current detected when the main circuit is "
           "disconnected; BMS does not respond to cell sampling request; Output Voltage differs "
           "too much from the accumulator voltage;";
    QTest::newRow("all warning texts")
        << 2 << with(2, "ffff")
        << "|Battery Over Voltage;Battery Under Voltage;Cells OverVoltage;Cells UnderVoltage;"
           "V-sensor failure;T-sensor failure;Cell discharge Temp-High;Cell discharge "
           "Temp-Low;Cell charge Temp-High;Cell charge Temp-Low;Discharging over "
           "current;Charging over current;Main circuit failure;Short circuit;Cells "
           "imbalance;Current sensor failure;|";
    QTest::newRow("fault Sersor spelling") << 2 << with(1, "05") << "| Temperature Sersor Fault |";
    QTest::newRow("fault BMS warning") << 2 << with(1, "17") << "| BMS Warning |";
    QTest::newRow("inverter Fronius") << 38 << with(10, "00") << "| Fronius HV |";
    QTest::newRow("inverter Goodwe") << 38 << with(10, "01") << "| Goodwe HV/Viessmann HV |";
    QTest::newRow("inverter KOSTAL") << 38 << with(10, "03") << "| KOSTAL HV |";
    QTest::newRow("inverter Sungrow") << 38 << with(10, "09") << "| Sungrow HV |";
    QTest::newRow("inverter Kaco") << 38 << with(10, "0a") << "| Kaco HV |";
    QTest::newRow("inverter Ingeteam") << 38 << with(10, "0d") << "| Ingeteam HV |";
    QTest::newRow("inverter SBS2.5") << 38 << with(10, "10") << "| SMA SBS2.5 HV |";
    QTest::newRow("three towers counted") << 38 << with(11, "03") << "| BMS Qty:3 |";
    QTest::newRow("timing log temperatures are words")
        << 118 << with(12, "0100") << "| Battery_Temp_Max:256℃ |";
}

void TestHvBmuDetail::detailPieces() {
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    QFETCH(QString, piece);
    const QString text = hvBmuDetail(code, data);
    QVERIFY2(text.contains(piece), qPrintable(text));
}

void TestHvBmuDetail::stateFramings_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("leading");
    QTest::addColumn<QString>("trailing");
    QTest::newRow("standby") << 0 << "| System Status:SYS_STANDBY |"
                             << "| SYS_STANDBY "
                             << " SYS_STANDBY |";
    QTest::newRow("inactive") << 1 << "| System Status:SYS_INACTIVE |"
                              << "| SYS_INACTIVE "
                              << " SYS_INACTIVE |";
    QTest::newRow("black start") << 2 << "| System Status:SYS_BLACK_START |"
                                 << "| SYS_BLACK_START "
                                 << " SYS_BLACK_START |";
    QTest::newRow("fault") << 4 << "| System Status:SYS_FAULT |"
                           << "| SYS_FAULT "
                           << " SYS_FAULT |";
    QTest::newRow("updating") << 5 << "| System Status:SYS_UPDATING |"
                              << "| SYS_UPDATING "
                              << " SYS_UPDATING |";
    QTest::newRow("shutdown") << 6 << "| System Status:SYS_SHUTDOWN |"
                              << "| SYS_SHUTDOWN "
                              << " SYS_SHUTDOWN |";
    QTest::newRow("precharge") << 7 << "| System Status:SYS_PRECHARGE |"
                               << "| SYS_PRECHARGE "
                               << " SYS_PRECHARGE |";
    QTest::newRow("battery check") << 8 << "| System Status:SYS_BATT_CHECK |"
                                   << "| SYS_BATT_CHECK "
                                   << " SYS_BATT_CHECK |";
    QTest::newRow("assign address") << 9 << "| System Status:SYS_ASSIGN_ADDR |"
                                    << "| SYS_ASSIGN_ADDR "
                                    << " SYS_ASSIGN_ADDR |";
    QTest::newRow("load parameters") << 10 << "| System Status:SYS_LOAD_PARAM |"
                                     << "| SYS_LOAD_PARAM "
                                     << " SYS_LOAD_PARAM |";
    QTest::newRow("init") << 11 << "| System Status:SYS_INIT |"
                          << "| SYS_INIT "
                          << " SYS_INIT |";
    QTest::newRow("unknown") << 12 << "| Not defined |"
                             << "| Not defined "
                             << "| Not defined |";
    QTest::newRow("unknown 255") << 255 << "| Not defined |"
                                 << "| Not defined "
                                 << "| Not defined |";
}

void TestHvBmuDetail::stateFramings() {
    QFETCH(int, state);
    QFETCH(QString, status);
    QFETCH(QString, leading);
    QFETCH(QString, trailing);
    QCOMPARE(hvSystemStatus(state), status);
    QCOMPARE(hvStateLeading(state), leading);
    QCOMPARE(hvStateTrailing(state), trailing);
}

QTEST_GUILESS_MAIN(TestHvBmuDetail)
#include "tst_hvbmudetail.moc"

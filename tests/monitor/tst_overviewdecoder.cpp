#include "monitor/overviewdecoder.h"
#include "monitor/statusblock.h"
#include "statusframes.h"

#include <QtTest>
#include <functional>

// Decoding of the status block into the Overview texts.
class TestOverviewDecoder : public QObject {
    Q_OBJECT

private:
    static QByteArray block(const QString& serial, int offset, const QByteArray& value) {
        QByteArray bytes(StatusBlock::Size, '\0');
        putBytes(bytes, 0, QByteArray::fromHex("0103CC"));
        putBytes(bytes, 3, serial.toLatin1());
        if (!value.isEmpty())
            putBytes(bytes, offset, value);
        return bytes;
    }

    static QString field(const OverviewTexts& t, const QString& name) {
        static const QHash<QString, std::function<QString(const OverviewTexts&)>> fields = {
            {"serial", [](auto& t) { return t.serial; }},
            {"bmu", [](auto& t) { return t.bmuVersion; }},
            {"bms", [](auto& t) { return t.bmsVersion; }},
            {"inverter", [](auto& t) { return t.inverterName; }},
            {"towers", [](auto& t) { return t.bmsCount; }},
            {"modules", [](auto& t) { return t.modulesPerTower; }},
            {"listSize", [](auto& t) { return QString::number(t.bmsListSize()); }},
            {"type", [](auto& t) { return t.batteryType; }},
            {"grid", [](auto& t) { return t.grid; }},
            {"phase", [](auto& t) { return t.phase; }},
            {"soc", [](auto& t) { return t.socText; }},
            {"maxCellV", [](auto& t) { return t.maxCellVoltage; }},
            {"minCellV", [](auto& t) { return t.minCellVoltage; }},
            {"current", [](auto& t) { return t.current + QLatin1Char('|') + t.chargeState; }},
            {"batV", [](auto& t) { return t.batteryVoltage; }},
            {"maxT", [](auto& t) { return t.maxCellTemp; }},
            {"minT", [](auto& t) { return t.minCellTemp; }},
            {"extraT", [](auto& t) { return t.extraTemp; }},
            {"table", [](auto& t) { return t.tableVersion; }},
            {"output", [](auto& t) { return t.outputVoltage; }},
            {"power", [](auto& t) { return t.power; }},
        };
        return fields.value(name)(t);
    }

private slots:
    void decodesField_data();
    void decodesField();
    void zeroBlockDecodesToZeros();
    void shortBlockReadsAsZero();
};

void TestOverviewDecoder::decodesField_data() {
    QTest::addColumn<QString>("serial");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    const QString hv = QStringLiteral("P030T020Z2008150001");
    const QString lv = QStringLiteral("P021T010Z2008150001");
    const auto hex = [](const char* h) { return QByteArray::fromHex(h); };

    QTest::newRow("serial of 19 characters") << hv << 0 << QByteArray() << "serial" << hv;
    QTest::newRow("serial cut at the first NUL") << "P03AB" << 8 << hex("0041") << "serial"
                                                 << "P03AB";
    QTest::newRow("BMU runs A") << hv << 27 << hex("0105030700") << "bmu"
                                << "V1.5-A";
    QTest::newRow("BMU runs B") << hv << 27 << hex("01050307000001") << "bmu"
                                << "V3.7-B";
    QTest::newRow("BMU area 2 counts as A") << hv << 27 << hex("01050307000002") << "bmu"
                                            << "V1.5-A";
    QTest::newRow("BMS runs A") << hv << 31 << hex("0C1F0000") << "bms"
                                << "V12.31-A";
    QTest::newRow("BMS runs B") << hv << 31 << hex("0C1F0001") << "bms"
                                << "V12.31-B";
    QTest::newRow("inverter 0") << hv << 35 << hex("00") << "inverter"
                                << "Fronius HV";
    QTest::newRow("inverter 19") << hv << 35 << hex("13") << "inverter"
                                 << "SMA STP 5.0-10.0 SE HV";
    QTest::newRow("inverter 20 unknown") << hv << 35 << hex("14") << "inverter"
                                         << "";
    QTest::newRow("HV 0x25 towers") << hv << 36 << hex("25") << "towers"
                                    << "2";
    QTest::newRow("HV 0x25 modules") << hv << 36 << hex("25") << "modules"
                                     << "5";
    QTest::newRow("HV 0x3A modules letter") << hv << 36 << hex("3A") << "modules"
                                            << "a";
    QTest::newRow("HV 0x3A towers") << hv << 36 << hex("3A") << "towers"
                                    << "3";
    QTest::newRow("HV 0xA3 tower letter") << hv << 36 << hex("A3") << "towers"
                                          << "a";
    QTest::newRow("HV 0xA3 gives no BMS entries") << hv << 36 << hex("A3") << "listSize"
                                                  << "0";
    QTest::newRow("HV 0x05 no towers") << hv << 36 << hex("05") << "towers"
                                       << "0";
    QTest::newRow("E0P3 serial is HV") << "E0P3X" << 36 << hex("25") << "towers"
                                       << "2";
    QTest::newRow("LV 0x0C decimal") << lv << 36 << hex("0C") << "towers"
                                     << "12";
    QTest::newRow("LV 0x0C BMS entries") << lv << 36 << hex("0C") << "listSize"
                                         << "12";
    QTest::newRow("LV leaves modules empty") << lv << 36 << hex("0C") << "modules"
                                             << "";
    QTest::newRow("lower-case p03 is LV") << "p03X" << 36 << hex("25") << "towers"
                                          << "37";
    QTest::newRow("HV type 0") << hv << 37 << hex("00") << "type"
                               << "QPC";
    QTest::newRow("HV type 1") << hv << 37 << hex("01") << "type"
                               << "QPB";
    QTest::newRow("HV type 7") << hv << 37 << hex("07") << "type"
                               << "QPA";
    QTest::newRow("LV type 0") << lv << 37 << hex("00") << "type"
                               << "ZRC";
    QTest::newRow("LV type 1") << lv << 37 << hex("01") << "type"
                               << "ZRD";
    QTest::newRow("LV type 2") << lv << 37 << hex("02") << "type"
                               << "ZRA/ZRA Mini";
    QTest::newRow("grid 0") << hv << 38 << hex("00") << "grid"
                            << "OFF GRID";
    QTest::newRow("grid 1") << hv << 38 << hex("01") << "grid"
                            << "ON GRID";
    QTest::newRow("grid 9") << hv << 38 << hex("09") << "grid"
                            << "BACK UP";
    QTest::newRow("phase 0") << hv << 39 << hex("00") << "phase"
                             << "Single";
    QTest::newRow("phase 2") << hv << 39 << hex("02") << "phase"
                             << "Three";
    QTest::newRow("SOC 87") << hv << 51 << hex("0057") << "soc"
                            << "SOC:87%";
    QTest::newRow("max cell 3.30 V") << hv << 53 << hex("014A") << "maxCellV"
                                     << "3.30V";
    QTest::newRow("min cell 3.05 V") << hv << 55 << hex("0131") << "minCellV"
                                     << "3.05V";
    QTest::newRow("current zero") << hv << 59 << hex("0000") << "current"
                                  << "Current:0.0A|DisCharging";
    QTest::newRow("current 12.3 A out") << hv << 59 << hex("007B") << "current"
                                        << "Current:12.3A|DisCharging";
    QTest::newRow("current 0xFFF6 charging") << hv << 59 << hex("FFF6") << "current"
                                             << "Current:1.0A|Charging";
    QTest::newRow("current 0x8000") << hv << 59 << hex("8000") << "current"
                                    << "Current:3276.8A|Charging";
    QTest::newRow("current 0x7FFF") << hv << 59 << hex("7FFF") << "current"
                                    << "Current:3276.7A|DisCharging";
    QTest::newRow("battery voltage") << hv << 61 << hex("C9A6") << "batV"
                                     << "Bat:516.22V";
    QTest::newRow("max temp 25") << hv << 63 << hex("0019") << "maxT"
                                 << "25℃";
    QTest::newRow("min temp 0xFFFB") << hv << 65 << hex("FFFB") << "minT"
                                     << "-5℃";
    QTest::newRow("third temp 0x8000") << hv << 67 << hex("8000") << "extraT"
                                       << "-32768℃";
    QTest::newRow("table version") << hv << 79 << hex("020A") << "table"
                                   << "V2.10";
    QTest::newRow("output voltage") << hv << 83 << hex("4FF4") << "output"
                                    << "Output:204.68V";
    QTest::newRow("power while charging is positive")
        << hv << 59 << hex("FF9C") + QByteArray(22, '\0') + hex("4FF4") << "power"
        << "Power:2046.80W";
}

void TestOverviewDecoder::decodesField() {
    QFETCH(QString, serial);
    QFETCH(int, offset);
    QFETCH(QByteArray, value);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QCOMPARE(this->field(decodeOverview(block(serial, offset, value)), field), expected);
}

void TestOverviewDecoder::zeroBlockDecodesToZeros() {
    const OverviewTexts t = decodeOverview(block(QStringLiteral("P030"), 0, {}));
    QCOMPARE(t.family, BatteryFamily::HV);
    QCOMPARE(t.power, QStringLiteral("Power:0.00W"));
    QCOMPARE(t.bmuVersion, QStringLiteral("V0.0-A"));
    QCOMPARE(t.systemStatus, quint16(0));
}

void TestOverviewDecoder::shortBlockReadsAsZero() {
    // Offsets past the end of a truncated block read as zero; nothing reads outside it.
    const OverviewTexts t = decodeOverview(QByteArray::fromHex("0103CC50303330"));
    QCOMPARE(t.serial, QStringLiteral("P030"));
    QCOMPARE(t.current, QStringLiteral("Current:0.0A"));
    QCOMPARE(t.outputVoltage, QStringLiteral("Output:0.00V"));
}

QTEST_APPLESS_MAIN(TestOverviewDecoder)
#include "tst_overviewdecoder.moc"

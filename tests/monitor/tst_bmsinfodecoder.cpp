#include "monitor/bmsinfodecoder.h"
#include "statusframes.h"

#include <QtTest>
#include <functional>

// Page gathering and decoding of the BMS information block.
class TestBmsInfoDecoder : public QObject {
    Q_OBJECT

private:
    static QByteArray block(int offset, const QByteArray& value) {
        QByteArray bytes(BmsInfo::BlockSize, '\0');
        putBytes(bytes, offset, value);
        return bytes;
    }

    static QString field(const BmsInfoTexts& t, const QString& name) {
        static const QHash<QString, std::function<QString(const BmsInfoTexts&)>> fields = {
            {"vmax", [](auto& t) { return t.cellVoltageMax; }},
            {"vmin", [](auto& t) { return t.cellVoltageMin; }},
            {"tmax", [](auto& t) { return t.cellTempMax; }},
            {"tmin", [](auto& t) { return t.cellTempMin; }},
            {"total", [](auto& t) { return t.batteryVoltage; }},
            {"pack", [](auto& t) { return t.packVoltage; }},
            {"switch", [](auto& t) { return t.switchState; }},
            {"soc", [](auto& t) { return t.soc + '|' + QString::number(t.socGauge); }},
            {"current", [](auto& t) { return t.current; }},
            {"levels",
             [](auto& t) { return QStringList(t.warningLevels, t.warningLevels + 3).join('|'); }},
            {"firmware",
             [](auto& t) {
                 return QStringList{t.sectionA, t.sectionB, t.runningSection, t.firmware}.join('|');
             }},
            {"serial", [](auto& t) { return t.serial; }},
            {"tables", [](auto& t) { return t.tableA + '|' + t.tableB; }},
            {"faults", [](auto& t) { return t.faultCodes[0] + '|' + t.faultCodes[1]; }},
            {"cell1", [](auto& t) { return t.values.at(20); }},
            {"cell128", [](auto& t) { return t.values.at(147); }},
            {"temp1", [](auto& t) { return t.values.at(148); }},
            {"temp64", [](auto& t) { return t.values.at(211); }},
        };
        return fields.value(name)(t);
    }

private slots:
    void pageSlices_data();
    void pageSlices();
    void fourPagesMakeTheBlock();
    void decodesField_data();
    void decodesField();
    void valueListOrder();
    void warningTexts_data();
    void warningTexts();
};

void TestBmsInfoDecoder::pageSlices_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("firstByte");
    QTest::newRow("page 1") << 1 << 128 << 5;
    QTest::newRow("page 3") << 3 << 128 << 5;
    QTest::newRow("page 4") << 4 << 36 << 5;
    QTest::newRow("page 0") << 0 << 0 << -1;
    QTest::newRow("page 5") << 5 << 0 << -1;
}

void TestBmsInfoDecoder::pageSlices() {
    QFETCH(int, page);
    QFETCH(int, size);
    QFETCH(int, firstByte);
    QByteArray regs(130, '\0');
    for (int i = 0; i < regs.size(); ++i)
        regs[i] = char(i + 3); // so frame byte n holds n
    const QByteArray slice = bmsPageSlice(readReply(regs), page);
    QCOMPARE(slice.size(), size);
    if (size > 0) {
        QCOMPARE(int(quint8(slice.front())), firstByte);
        QCOMPARE(int(quint8(slice.back())), firstByte + size - 1);
    }
    // A short frame gives what it has and never reads past its end.
    QCOMPARE(bmsPageSlice(QByteArray::fromHex("0103820000"), page).size(), 0);
}

void TestBmsInfoDecoder::fourPagesMakeTheBlock() {
    QByteArray gathered;
    for (int page = 1; page <= BmsInfo::PageCount; ++page)
        gathered += bmsPageSlice(readReply(QByteArray(130, char(page))), page);
    QCOMPARE(gathered.size(), BmsInfo::BlockSize);
    QCOMPARE(int(gathered[127]), 1);
    QCOMPARE(int(gathered[128]), 2);
    QCOMPARE(int(gathered[384]), 4);
}

void TestBmsInfoDecoder::decodesField_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    const auto hex = [](const char* h) { return QByteArray::fromHex(h); };

    QTest::newRow("highest cell") << 0 << hex("0D05000007") << "vmax"
                                  << "3333mV (No.7)";
    QTest::newRow("lowest cell") << 2 << hex("0CE4000C") << "vmin"
                                 << "3300mV (No.12)";
    QTest::newRow("highest temp") << 6 << hex("001E000003") << "tmax"
                                  << "30℃ (No.3)";
    QTest::newRow("lowest temp below zero") << 8 << hex("FFF60009") << "tmin"
                                            << "-10℃ (No.9)";
    QTest::newRow("total voltage") << 40 << hex("07E5") << "total"
                                   << "202.1V";
    QTest::newRow("pack voltage") << 46 << hex("07E4") << "pack"
                                  << "202.0V";
    QTest::newRow("switch state") << 45 << hex("A5") << "switch"
                                  << "10100101";
    QTest::newRow("SOC 99.9") << 48 << hex("03E7") << "soc"
                              << "99.9%|99";
    QTest::newRow("SOC 100") << 48 << hex("03E8") << "soc"
                             << "100.0%|100";
    QTest::newRow("current 0x0064") << 52 << hex("0064") << "current"
                                    << "DisCharging:10.0A";
    QTest::newRow("current 0xFF9C") << 52 << hex("FF9C") << "current"
                                    << "Charging:-10.0A";
    QTest::newRow("current 0xFFF6") << 52 << hex("FFF6") << "current"
                                    << "Charging:-1.0A";
    QTest::newRow("current zero") << 52 << hex("0000") << "current"
                                  << "DisCharging:0.0A";
    QTest::newRow("warning levels") << 54 << hex("00018000A5A5") << "levels"
                                    << "0000000000000001|1000000000000000|1010010110100101";
    QTest::newRow("firmware runs A, major second") << 60 << hex("0502070300") << "firmware"
                                                   << "V2.5-A|V3.7-B|A|V2.5-A";
    QTest::newRow("firmware runs B") << 60 << hex("0502070301") << "firmware"
                                     << "V2.5-A|V3.7-B|B|V3.7-B";
    QTest::newRow("firmware area 2 is A") << 60 << hex("0502070302") << "firmware"
                                          << "V2.5-A|V3.7-B|A|V2.5-A";
    QTest::newRow("serial") << 66 << QByteArray("P030T020Z2008150003") << "serial"
                            << "P030T020Z2008150003";
    QTest::newRow("serial cut at NUL") << 66 << QByteArray("P03X\0YZ", 7) << "serial"
                                       << "P03X";
    QTest::newRow("threshold tables") << 90 << hex("0A010302") << "tables"
                                      << "V1.10|V2.3";
    QTest::newRow("fault codes") << 94 << hex("8001") << "faults"
                                 << "10000000|00000001";
    QTest::newRow("cell 1") << 96 << hex("0CE4") << "cell1"
                            << "3300";
    QTest::newRow("cell 128") << 350 << hex("0D05") << "cell128"
                              << "3333";
    QTest::newRow("temperature 1") << 354 << hex("19") << "temp1"
                                   << "25";
    QTest::newRow("temperature 64 unsigned") << 417 << hex("FB") << "temp64"
                                             << "251";
}

void TestBmsInfoDecoder::decodesField() {
    QFETCH(int, offset);
    QFETCH(QByteArray, value);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QCOMPARE(this->field(decodeBmsInfo(block(offset, value)), field), expected);
}

void TestBmsInfoDecoder::valueListOrder() {
    QByteArray bytes = block(66, "SN1");
    for (int cell = 0; cell < 128; ++cell)
        putBytes(bytes, 96 + 2 * cell, QByteArray(1, char(0x0C)) + char(cell));
    const BmsInfoTexts t = decodeBmsInfo(bytes);
    QCOMPARE(t.values.size(), BmsInfo::ValueCount);
    QCOMPARE(t.values.mid(0, 5), (QStringList{"SN1", "0.0%", "0.0V", "0.0V", "DisCharging:0.0A"}));
    QCOMPARE(t.values.mid(10, 5), (QStringList{"V0.0-A", "V0.0-B", "A", "V0.0", "V0.0"}));
    QCOMPARE(t.values.at(17), t.warningLevels[2]);
    QCOMPARE(t.values.at(19), t.faultCodes[1]);
    QCOMPARE(t.values.at(20), QString::number(0x0C00));
    QCOMPARE(t.values.at(21), QString::number(0x0C01));
    QCOMPARE(t.values.at(147), QString::number(0x0C7F));

    // A truncated block still yields the full list, the missing bytes reading as 0.
    QCOMPARE(decodeBmsInfo(QByteArray(10, '\1')).values.size(), BmsInfo::ValueCount);
}

void TestBmsInfoDecoder::warningTexts_data() {
    QTest::addColumn<int>("level3");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("zero") << 0 << QStringList{};
    QTest::newRow("0x0003") << 0x0003
                            << QStringList{"Battery Over Voltage;", "Battery Under Voltage;"};
    QTest::newRow("0x8001 bit 0 first")
        << 0x8001 << QStringList{"Battery Over Voltage;", "Current Sensor Failure;"};
    QTest::newRow("bit 6") << 0x0040 << QStringList{"High Temperature Discharging (Cells);"};
    QTest::newRow("bit 13") << 0x2000 << QStringList{"Short Circuit Alarm;"};
}

void TestBmsInfoDecoder::warningTexts() {
    QFETCH(int, level3);
    QFETCH(QStringList, expected);
    QCOMPARE(bmsWarningTexts(quint16(level3)), expected);
    QCOMPARE(bmsWarningTexts(0xFFFF).size(), 16);
}

QTEST_APPLESS_MAIN(TestBmsInfoDecoder)
#include "tst_bmsinfodecoder.moc"

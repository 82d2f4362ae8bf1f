#include "monitor/bmsinfodecoder.h"
#include "monitor/bmstables.h"
#include "monitor/bmuwarnings.h"
#include "monitor/overviewdecoder.h"
#include "monitor/statusblock.h"
#include "replies.h"

using Lines = QVector<WarningLine>;
Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(CellTableShape)

// The status block assembled from the two status replies and decoded into the Overview
// texts and the warning lines; the BMS information block gathered from its pages and
// decoded into the information and cell tables.
class TestMonitorDecoders : public QObject {
    Q_OBJECT

    // Status replies of registers 0x0000..0x0065 and 0x0500..0x0518, each byte numbered so
    // that misplaced bytes show.
    static QByteArray numberedReply(int size, int first) {
        QByteArray regs(size, '\0');
        for (int i = 0; i < size; ++i)
            regs[i] = char(first + i);
        return readReply(regs);
    }
    static QByteArray firstReply() { return numberedReply(204, 0); }
    static QByteArray secondReply() { return numberedReply(50, 0x80); }

    // The decoded texts by name; a row names the one it checks.
    static QString field(const OverviewTexts& t, const QString& name) {
        const QString towers =
            t.bmsCount + '|' + t.modulesPerTower + '|' + QString::number(t.bmsListSize());
        const QString temps = t.maxCellTemp + '|' + t.minCellTemp + '|' + t.extraTemp;
        const QString current = t.current + '|' + t.chargeState;
        const QStringList texts{t.serial,      t.bmuVersion, t.bmsVersion, t.inverterName, towers,
                                t.batteryType, current,      temps,        t.tableVersion, t.power};
        const QStringList names =
            QStringLiteral("serial bmu bms inverter towers type current temps table power")
                .split(' ');
        return texts.value(names.indexOf(name), QStringLiteral("<no field>"));
    }

    static QString field(const BmsInfoTexts& t, const QString& name) {
        const QString levels = QStringList(t.warningLevels, t.warningLevels + 3).join('|');
        const QString firmware =
            QStringList{t.sectionA, t.sectionB, t.runningSection, t.firmware}.join('|');
        const QString soc = t.soc + '|' + QString::number(t.socGauge);
        const QString tables = t.tableA + '|' + t.tableB;
        const QString faults = t.faultCodes[0] + '|' + t.faultCodes[1];
        const QStringList texts{t.cellTempMin, t.switchState, soc,    t.current, levels,
                                firmware,      t.serial,      tables, faults,    t.values.at(211)};
        const QStringList names =
            QStringLiteral("tmin switch soc current levels firmware serial tables faults temp64")
                .split(' ');
        return texts.value(names.indexOf(name), QStringLiteral("<no field>"));
    }

private slots:
    void statusRepliesMakeOneBlock_data() {
        // An empty entry stands for clear(), as a new refresh does.
        QTest::addColumn<QList<QByteArray>>("replies");
        QTest::addColumn<bool>("complete");
        const QByteArray first = firstReply(), second = secondReply();
        QByteArray wrongCount = second;
        wrongCount[2] = char(0x30);
        QTest::newRow("first reply twice") << QList<QByteArray>{first, first} << false;
        QTest::newRow("first reply cut short")
            << QList<QByteArray>{first.left(208), second} << false;
        QTest::newRow("55 bytes, another byte count")
            << QList<QByteArray>{first, wrongCount} << false;
        QTest::newRow("clear forgets a first part")
            << QList<QByteArray>{first, {}, second} << false;
        QTest::newRow("in order") << QList<QByteArray>{first, second} << true;
        QTest::newRow("late first reply lands first") << QList<QByteArray>{second, first} << true;
    }

    void statusRepliesMakeOneBlock() {
        QFETCH(QList<QByteArray>, replies);
        QFETCH(bool, complete);
        StatusBlock block;
        for (const QByteArray& reply : replies)
            reply.isEmpty() ? block.clear() : void(block.take(reply));
        QCOMPARE(block.isComplete(), complete);
        if (!complete)
            return;
        const QByteArray bytes = block.bytes();
        QCOMPARE(bytes.left(4), QByteArray::fromHex("0103CC00")); // then register 0x0000 hi
        QCOMPARE(quint8(bytes[41]), quint8(194));       // register 0x0061 hi: reply offset 197
        QCOMPARE(quint8(bytes[50]), quint8(203));       // register 0x0065 lo
        QCOMPARE(quint8(bytes[51]), quint8(0x80));      // register 0x0500 hi
        QCOMPARE(quint8(bytes[90]), quint8(0x80 + 39)); // register 0x0513 lo
    }

    void overviewField_data() {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const QString hv = QStringLiteral("P030T020Z2008150001");
        const QString lv = QStringLiteral("P021T010Z2008150001");
        const auto row = [](const char* name, const QString& serial, int offset, const char* hex,
                            const char* field, const QString& expected) {
            QTest::newRow(name) << serial << offset << QByteArray::fromHex(hex) << QString(field)
                                << expected;
        };
        row("serial of 19 characters", hv, 0, "", "serial", hv);
        row("serial cut at the first NUL", "P03AB", 8, "0041", "serial", "P03AB");
        row("BMU runs B", hv, 27, "01050307000001", "bmu", "V3.7-B");
        row("BMU area 2 counts as A", hv, 27, "01050307000002", "bmu", "V1.5-A");
        row("BMS runs B", hv, 31, "0C1F0001", "bms", "V12.31-B");
        row("inverter 19", hv, 35, "13", "inverter", "SMA STP 5.0-10.0 SE HV");
        row("inverter 20 unknown", hv, 35, "14", "inverter", "");
        // Towers | modules per tower | BMS entries. HV: two hex digits; LV: a decimal byte.
        row("HV 0x25", hv, 36, "25", "towers", "2|5|2");
        row("HV tower digit above 9: shown as a number, no BMS", hv, 36, "A3", "towers", "10|3|0");
        row("HV module digit above 9: no BMS", hv, 36, "2F", "towers", "2|15|0");
        row("E0P3 serial is HV", "E0P3X", 36, "25", "towers", "2|5|2");
        row("LV 0x0C decimal", lv, 36, "0C", "towers", "12||12");
        row("lower-case p03 is LV", "p03X", 36, "25", "towers", "37||37");
        row("LV type 2", lv, 37, "02", "type", "ZRA/ZRA Mini");
        row("current zero", hv, 59, "0000", "current", "Current:0.0A|DisCharging");
        row("current 0xFFF6 charging", hv, 59, "FFF6", "current", "Current:1.0A|Charging");
        row("current 0x8000", hv, 59, "8000", "current", "Current:3276.8A|Charging");
        row("temperatures below zero", hv, 63, "0019FFFB8000", "temps", "25℃|-5℃|-32768℃");
        row("table version", hv, 79, "020A", "table", "V2.10");
        // Current 0xFF9C (10.0 A charging) at 59, output 204.68 V at 83.
        row("power while charging is positive", hv, 59,
            "FF9C000000000000000000000000000000000000000000004FF4", "power", "Power:2046.80W");
    }

    void overviewField() {
        QFETCH(QString, serial);
        QFETCH(int, offset);
        QFETCH(QByteArray, value);
        QFETCH(QString, field);
        QByteArray block = zerosWith(StatusBlock::Size, 0, "\x01\x03\xCC" + serial.toLatin1());
        block.replace(offset, value.size(), value);
        QTEST(this->field(decodeOverview(block), field), "expected");
    }

    // Offsets past the end of a truncated block read as zero; nothing reads outside a
    // block of any length.
    void blocksOfAnyLength() {
        const OverviewTexts t = decodeOverview(QByteArray::fromHex("0103CC50303330"));
        QCOMPARE(t.serial, QStringLiteral("P030"));
        QCOMPARE(t.power, QStringLiteral("Power:0.00W"));
        QCOMPARE(decodeOverview(QByteArray()).serial, QString());
        decodeOverview(QByteArray(1000, char(0xFF)));
        QCOMPARE(decodeBmsInfo(QByteArray(10, '\1')).values.size(), BmsInfo::ValueCount);
        decodeBmsInfo(QByteArray(1000, char(0xFF)));
        for (int page = 0; page <= 5; ++page) // a short page gives nothing
            QCOMPARE(bmsPageSlice(QByteArray::fromHex("0103820000"), page), QByteArray());
        QCOMPARE(bmsPageSlice(readReply(QByteArray(130, '\1')), 5), QByteArray());
    }

    void inverterNamesAreUnique() {
        // A name written twice would make the setup write send the wrong code.
        QSet<QString> names;
        for (const auto& inverter : inverterTable()) {
            const QString name = QString::fromLatin1(inverter.name);
            QCOMPARE(name.endsWith("HV"), inverter.family == BatteryFamily::HV);
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
        }
    }

    void warningLines_data() {
        QTest::addColumn<BatteryFamily>("family");
        QTest::addColumn<int>("batteryWord");
        QTest::addColumn<int>("systemWord");
        QTest::addColumn<Lines>("expected");
        const auto blue = [](const char* t) { return WarningLine{t, "blue"}; };
        const auto red = [](const char* t) { return WarningLine{t, "red"}; };
        const auto hv = BatteryFamily::HV, lv = BatteryFamily::LV;
        QTest::newRow("both zero: Normal") << lv << 0 << 0 << Lines{{"Normal", "green"}};
        QTest::newRow("system bit 7 has no text: empty pane") << hv << 0 << 0x0080 << Lines{};
        QTest::newRow("HV bit 10 red") << hv << 0 << 0x0400 << Lines{red("Air switch abnormal;")};
        QTest::newRow("LV bit 10 blue") << lv << 0 << 0x0400 << Lines{blue("Low SOC;")};
        QTest::newRow("battery word first, system word from bit 15 down")
            << hv << 0x8001 << 0x0301
            << Lines{blue("Warning:Battery Over Voltage;"), red("Alarm:Current Sensor Failed;"),
                     blue("BMS updating;"), blue("BMU updating;"),
                     blue("Address registration failed;")};
    }

    void warningLines() {
        QFETCH(BatteryFamily, family);
        QFETCH(int, batteryWord);
        QFETCH(int, systemWord);
        QTEST(bmuWarningLines(family, quint16(batteryWord), quint16(systemWord)), "expected");
    }

    void pagesMakeTheBmsBlock() {
        // Frame byte n holds n: page 1 gives register bytes 2..129, page 4 its first 36.
        QByteArray regs(130, '\0');
        for (int i = 0; i < regs.size(); ++i)
            regs[i] = char(i + 3);
        QCOMPARE(bmsPageSlice(readReply(regs), 1), regs.mid(2, 128));
        QCOMPARE(bmsPageSlice(readReply(regs), 4), regs.mid(2, 36));
        QByteArray gathered;
        for (int p = 1; p <= BmsInfo::PageCount; ++p)
            gathered += bmsPageSlice(readReply(QByteArray(130, char(p))), p);
        QCOMPARE(gathered.mid(127, 2), QByteArray::fromHex("0102"));
    }

    void bmsField_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, int offset, const QByteArray& value,
                            const char* field, const char* expected) {
            QTest::newRow(name) << offset << value << QString(field) << QString::fromUtf8(expected);
        };
        const auto hex = [](const char* h) { return QByteArray::fromHex(h); };
        row("lowest temp below zero", 8, hex("FFF60009"), "tmin", "-10℃ (No.9)");
        row("switch state", 45, hex("A5"), "switch", "10100101");
        row("SOC 100", 48, hex("03E8"), "soc", "100.0%|100");
        row("current 0xFFF6", 52, hex("FFF6"), "current", "Charging:-1.0A");
        row("current zero", 52, hex("0000"), "current", "DisCharging:0.0A");
        row("warning levels", 54, hex("00018000A5A5"), "levels",
            "0000000000000001|1000000000000000|1010010110100101");
        row("firmware runs B", 60, hex("0502070301"), "firmware", "V2.5-A|V3.7-B|B|V3.7-B");
        row("firmware area 2 is A", 60, hex("0502070302"), "firmware", "V2.5-A|V3.7-B|A|V2.5-A");
        row("serial cut at NUL", 66, QByteArray("P03X\0YZ", 7), "serial", "P03X");
        row("threshold tables", 90, hex("0A010302"), "tables", "V1.10|V2.3");
        row("fault codes", 94, hex("8001"), "faults", "10000000|00000001");
        row("temperature 64 unsigned", 417, hex("FB"), "temp64", "251");
    }

    void bmsField() {
        QFETCH(int, offset);
        QFETCH(QByteArray, value);
        QFETCH(QString, field);
        const BmsInfoTexts t = decodeBmsInfo(zerosWith(BmsInfo::BlockSize, offset, value));
        QTEST(this->field(t, field), "expected");
    }

    void bmsValueListOrder() {
        // The information list: texts, then cells 1..128 (mV) from index 20.
        QByteArray bytes = zerosWith(BmsInfo::BlockSize, 66, "SN1");
        for (int cell = 0; cell < 128; ++cell)
            bytes.replace(96 + 2 * cell, 2, QByteArray(1, char(0x0C)) + char(cell));
        const BmsInfoTexts t = decodeBmsInfo(bytes);
        QCOMPARE(t.values.mid(0, 5),
                 (QStringList{"SN1", "0.0%", "0.0V", "0.0V", "DisCharging:0.0A"}));
        QCOMPARE(t.values.mid(10, 5), (QStringList{"V0.0-A", "V0.0-B", "A", "V0.0", "V0.0"}));
        QCOMPARE(t.values.mid(20, 2), (QStringList{"3072", "3073"}));
        QCOMPARE(t.values.at(147), QString::number(0x0C7F));
        QCOMPARE(bmsWarningTexts(0x8001),
                 (QStringList{"Battery Over Voltage;", "Current Sensor Failure;"}));
        QVERIFY(bmsWarningTexts(0).isEmpty());
    }

    // The QPA table only for the type text exactly "QPA": its second pass puts cells
    // 129..160 where the fifth module's cells stand; for other types it repeats the first.
    void cellTableShape() {
        QCOMPARE(cellTableShapeFor("QPA"), CellTableShape::Qpa);
        QCOMPARE(cellTableShapeFor("ZRD"), CellTableShape::Lv);
        for (const char* other : {"", "qpa", "QPA ", "QPB"})
            QCOMPARE(cellTableShapeFor(other), CellTableShape::Other);
        const auto secondPass = cellValuePlacements(CellTableShape::Qpa, true);
        QCOMPARE(secondPass.first().valueIndex, BmsInfo::FirstCellValue);
        QCOMPARE(secondPass.first().row, 16);
        QCOMPARE(secondPass.first().column, 2);
        QCOMPARE(cellValuePlacements(CellTableShape::Other, true).size(),
                 cellValuePlacements(CellTableShape::Other, false).size());
    }

    // Every cell lies inside the table and on its own; every value lands right of a
    // numbered cell, never on a layout cell.
    void cellTableIsConsistent_data() {
        QTest::addColumn<CellTableShape>("shape");
        QTest::addColumn<int>("values"); // cells and temperatures of the type
        QTest::newRow("QPA") << CellTableShape::Qpa << 128 + 60;
        QTest::newRow("LV") << CellTableShape::Lv << 16 + 8;
        QTest::newRow("other") << CellTableShape::Other << 128 + 64;
    }

    void cellTableIsConsistent() {
        QFETCH(CellTableShape, shape);
        QHash<QPair<int, int>, QString> texts;
        for (const TableCell& cell : cellTableLayout(shape)) {
            QVERIFY(cell.row >= 0 && cell.row < CellTable::Rows);
            QVERIFY(cell.column >= 0 && cell.column < CellTable::Columns);
            QVERIFY2(!texts.contains({cell.row, cell.column}), qPrintable(cell.text));
            texts.insert({cell.row, cell.column}, cell.text);
        }
        const auto placements = cellValuePlacements(shape, false);
        QTEST(placements.size(), "values");
        for (const ValuePlacement& p : placements) {
            QVERIFY(p.valueIndex >= BmsInfo::FirstCellValue && p.valueIndex < BmsInfo::ValueCount);
            QVERIFY(!texts.contains({p.row, p.column}));
            QVERIFY(texts.value({p.row, p.column - 1}).startsWith("No."));
        }
    }

    void warningGrid_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QList<int>>("bits");
        QTest::newRow("0x8001") << "1000000000000001" << QList<int>{0, 15};
        QTest::newRow("empty item") << "" << QList<int>{};
        QTest::newRow("short text") << "11" << QList<int>{14, 15};
    }

    void warningGrid() {
        QFETCH(QString, digits);
        QTEST(setWarningBits(digits).toList(), "bits");
    }

    void exportName() {
        const QDateTime when(QDate(2024, 3, 9), QTime(14, 5, 7));
        QCOMPARE(cellExportDefaultName("/home/u/Desktop", "BMS1", "P030T020Z2008150003", when),
                 QStringLiteral("/home/u/Desktop/P030T020Z2008150003+BMS1 Cells Information "
                                "2024-03-09 140507"));
    }
};

QTEST_APPLESS_MAIN(TestMonitorDecoders)
#include "tst_monitordecoders.moc"

#include "monitor/bmsinfodecoder.h"
#include "monitor/bmstables.h"
#include "replies.h"

Q_DECLARE_METATYPE(CellTableShape)

// The BMS information block: its pages, its decoding, and the information and cell tables
// it fills, whose shape follows the battery type.
class TestBmsInfoDecoder : public QObject {
    Q_OBJECT

    // The decoded texts by name; a row names the one it checks.
    static QString field(const BmsInfoTexts& t, const QString& name) {
        const QString levels = QStringList(t.warningLevels, t.warningLevels + 3).join('|');
        const QString firmware =
            QStringList{t.sectionA, t.sectionB, t.runningSection, t.firmware}.join('|');
        const QString soc = t.soc + '|' + QString::number(t.socGauge);
        const QString tables = t.tableA + '|' + t.tableB;
        const QString faults = t.faultCodes[0] + '|' + t.faultCodes[1];
        const QStringList texts{t.cellVoltageMax, t.cellVoltageMin, t.cellTempMax,   t.cellTempMin,
                                t.batteryVoltage, t.packVoltage,    t.switchState,   soc,
                                t.current,        levels,           firmware,        t.serial,
                                tables,           faults,           t.values.at(211)};
        const QStringList names = QStringLiteral("vmax vmin tmax tmin total pack switch soc "
                                                 "current levels firmware serial tables faults "
                                                 "temp64")
                                      .split(' ');
        return texts.value(names.indexOf(name), QStringLiteral("<no field>"));
    }

    // What the cell table shows at a place: the layout text, "/span" for a row span above
    // 1, "*" for a heading, or "#index" where a value of the information list lands.
    static QString rendered(CellTableShape shape, bool secondPass, int row, int column) {
        if (!secondPass)
            for (const TableCell& cell : cellTableLayout(shape))
                if (cell.row == row && cell.column == column)
                    return cell.text +
                           (cell.rowSpan > 1 ? "/" + QString::number(cell.rowSpan) : "") +
                           (cell.header ? "*" : "");
        for (const ValuePlacement& p : cellValuePlacements(shape, secondPass))
            if (p.row == row && p.column == column)
                return '#' + QString::number(p.valueIndex);
        return QString();
    }

private slots:
    void pageSlices_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("size");
        QTest::newRow("page 1") << 1 << 128;
        QTest::newRow("page 4") << 4 << 36;
        QTest::newRow("page 0") << 0 << 0;
        QTest::newRow("page 5") << 5 << 0;
    }
    void pageSlices() {
        QFETCH(int, page);
        QFETCH(int, size);
        QByteArray regs(130, '\0');
        for (int i = 0; i < regs.size(); ++i)
            regs[i] = char(i + 3); // so frame byte n holds n
        const QByteArray slice = bmsPageSlice(readReply(regs), page);
        QCOMPARE(slice.size(), size);
        if (size > 0)
            QCOMPARE(slice, regs.mid(2, size));
        // A short frame gives what it has and never reads past its end.
        QCOMPARE(bmsPageSlice(QByteArray::fromHex("0103820000"), page).size(), 0);
        // The four pages in turn make the whole block.
        QByteArray gathered;
        for (int p = 1; p <= BmsInfo::PageCount; ++p)
            gathered += bmsPageSlice(readReply(QByteArray(130, char(p))), p);
        QCOMPARE(gathered.size(), BmsInfo::BlockSize);
        QCOMPARE(gathered.mid(127, 2), QByteArray::fromHex("0102"));
        QCOMPARE(int(gathered[384]), 4);
    }

    void decodesField_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, int offset, const QByteArray& value,
                            const char* field, const char* expected) {
            QTest::newRow(name) << offset << value << QString(field) << QString::fromUtf8(expected);
        };
        const auto hex = [](const char* h) { return QByteArray::fromHex(h); };
        row("highest cell", 0, hex("0D05000007"), "vmax", "3333mV (No.7)");
        row("lowest cell", 2, hex("0CE4000C"), "vmin", "3300mV (No.12)");
        row("highest temp", 6, hex("001E000003"), "tmax", "30℃ (No.3)");
        row("lowest temp below zero", 8, hex("FFF60009"), "tmin", "-10℃ (No.9)");
        row("total voltage", 40, hex("07E5"), "total", "202.1V");
        row("pack voltage", 46, hex("07E4"), "pack", "202.0V");
        row("switch state", 45, hex("A5"), "switch", "10100101");
        row("SOC 100", 48, hex("03E8"), "soc", "100.0%|100");
        row("current 0x0064", 52, hex("0064"), "current", "DisCharging:10.0A");
        row("current 0xFFF6", 52, hex("FFF6"), "current", "Charging:-1.0A");
        row("current zero", 52, hex("0000"), "current", "DisCharging:0.0A");
        row("warning levels", 54, hex("00018000A5A5"), "levels",
            "0000000000000001|1000000000000000|1010010110100101");
        row("firmware runs A, major second", 60, hex("0502070300"), "firmware",
            "V2.5-A|V3.7-B|A|V2.5-A");
        row("firmware runs B", 60, hex("0502070301"), "firmware", "V2.5-A|V3.7-B|B|V3.7-B");
        row("firmware area 2 is A", 60, hex("0502070302"), "firmware", "V2.5-A|V3.7-B|A|V2.5-A");
        row("serial cut at NUL", 66, QByteArray("P03X\0YZ", 7), "serial", "P03X");
        row("threshold tables", 90, hex("0A010302"), "tables", "V1.10|V2.3");
        row("fault codes", 94, hex("8001"), "faults", "10000000|00000001");
        row("temperature 64 unsigned", 417, hex("FB"), "temp64", "251");
    }
    void decodesField() {
        QFETCH(int, offset);
        QFETCH(QByteArray, value);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        const BmsInfoTexts t = decodeBmsInfo(zerosWith(BmsInfo::BlockSize, offset, value));
        QCOMPARE(this->field(t, field), expected);
    }

    void valueListOrder() {
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
        // A truncated block still yields the full list, the missing bytes reading as 0.
        QCOMPARE(decodeBmsInfo(QByteArray(10, '\1')).values.size(), BmsInfo::ValueCount);
    }

    void warningTexts_data() {
        QTest::addColumn<int>("level3");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("zero") << 0 << QStringList{};
        QTest::newRow("0x8001 bit 0 first")
            << 0x8001 << QStringList{"Battery Over Voltage;", "Current Sensor Failure;"};
        QTest::newRow("bit 6") << 0x0040 << QStringList{"High Temperature Discharging (Cells);"};
        QTest::newRow("bit 13") << 0x2000 << QStringList{"Short Circuit Alarm;"};
    }
    void warningTexts() {
        QFETCH(int, level3);
        QFETCH(QStringList, expected);
        QCOMPARE(bmsWarningTexts(quint16(level3)), expected);
        QCOMPARE(bmsWarningTexts(0xFFFF).size(), 16);
    }

    void cellTable_data() {
        // The shape follows the battery type exactly as the Overview shows it.
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("secondPass");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* type, bool secondPass, int row,
                            int column, const char* shown) {
            QTest::newRow(name) << QString(type) << secondPass << row << column
                                << QString::fromUtf8(shown);
        };
        row("QPA cell 1", "QPA", false, 0, 2, "#20");
        row("QPA cell 128", "QPA", false, 15, 16, "#147");
        row("QPA module 5", "QPA", false, 16, 0, "Module 5/4");
        row("QPA cell 160", "QPA", false, 19, 15, "No.160");
        row("QPA second pass: cell 129", "QPA", true, 16, 2, "#20");
        row("QPA second pass: cell 160", "QPA", true, 19, 16, "#51");
        row("QPA second pass leaves cell 1", "QPA", true, 0, 2, "");
        row("QPA heading pair 6", "QPA", false, 20, 12, "Temp.-℃*");
        row("QPA heading ends at 12", "QPA", false, 20, 13, "");
        row("QPA temp module 1", "QPA", false, 21, 0, "Module 1/2");
        row("QPA temp 7", "QPA", false, 22, 2, "#154");
        row("QPA temp 60", "QPA", false, 30, 12, "#207");
        row("ZRC voltage label", "ZRC", false, 0, 0, "Voltage/2");
        row("ZRD cell 16", "ZRD", false, 1, 16, "#35");
        row("ZRA heading", "ZRA/ZRA Mini", false, 2, 15, "Cell No.*");
        row("ZRC temp 8", "ZRC", false, 3, 16, "#155");
        row("ZRC row 4 unused", "ZRC", false, 4, 0, "");
        row("QPB module 8", "QPB", false, 14, 0, "Module 8/2");
        row("QPC cell 128", "QPC", false, 15, 16, "#147");
        row("QPB temp module 1 no span", "QPB", false, 17, 0, "Module 1");
        row("QPB temp 64", "QPB", false, 24, 16, "#211");
        row("QPB second pass is the first", "QPB", true, 24, 16, "#211");
        row("no refresh yet: eight modules", "", false, 14, 0, "Module 8/2");
        row("qpa lower case is not QPA", "qpa", false, 14, 0, "Module 8/2");
        row("QPA with a blank is not QPA", "QPA ", false, 14, 0, "Module 8/2");
    }
    void cellTable() {
        QFETCH(QString, type);
        QFETCH(bool, secondPass);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, shown);
        QCOMPARE(rendered(cellTableShapeFor(type), secondPass, row, column), shown);
    }

    void cellTableIsConsistent_data() {
        QTest::addColumn<CellTableShape>("shape");
        QTest::addColumn<int>("numbers"); // "No." texts in the whole table
        QTest::addColumn<int>("values");
        QTest::newRow("QPA") << CellTableShape::Qpa << 160 + 60 << 128 + 60;
        QTest::newRow("LV") << CellTableShape::Lv << 16 + 8 << 16 + 8;
        QTest::newRow("other") << CellTableShape::Other << 128 + 64 << 128 + 64;
    }
    void cellTableIsConsistent() {
        QFETCH(CellTableShape, shape);
        QFETCH(int, numbers);
        QFETCH(int, values);
        QSet<QPair<int, int>> seen;
        int numbered = 0;
        for (const TableCell& cell : cellTableLayout(shape)) {
            QVERIFY(cell.row >= 0 && cell.row < CellTable::Rows);
            QVERIFY(cell.column >= 0 && cell.column < CellTable::Columns);
            QVERIFY2(!seen.contains({cell.row, cell.column}), qPrintable(cell.text));
            seen.insert({cell.row, cell.column});
            if (cell.text.startsWith("No.")) {
                ++numbered;
                QCOMPARE(cell.column % 2, 1);
            }
        }
        QCOMPARE(numbered, numbers);
        // Every value lands right of a numbered cell, never on a layout cell.
        const auto placements = cellValuePlacements(shape, false);
        QCOMPARE(placements.size(), values);
        for (const ValuePlacement& p : placements) {
            QVERIFY(p.valueIndex >= BmsInfo::FirstCellValue && p.valueIndex < BmsInfo::ValueCount);
            QVERIFY(!seen.contains({p.row, p.column}));
            QVERIFY(rendered(shape, false, p.row, p.column - 1).startsWith("No."));
        }
    }

    void warningGrid_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QList<int>>("bits");
        QTest::newRow("zero") << "0000000000000000" << QList<int>{};
        QTest::newRow("0x8001") << "1000000000000001" << QList<int>{0, 15};
        QTest::newRow("0x0003") << "0000000000000011" << QList<int>{0, 1};
        QTest::newRow("empty item") << "" << QList<int>{};
        QTest::newRow("short text") << "11" << QList<int>{14, 15};
    }
    void warningGrid() {
        QFETCH(QString, digits);
        QFETCH(QList<int>, bits);
        QCOMPARE(setWarningBits(digits).toList(), bits);
    }

    void exportName() {
        const QDateTime when(QDate(2024, 3, 9), QTime(14, 5, 7));
        QCOMPARE(cellExportDefaultName("/home/u/Desktop", "BMS1", "P030T020Z2008150003", when),
                 QStringLiteral("/home/u/Desktop/P030T020Z2008150003+BMS1 Cells Information "
                                "2024-03-09 140507"));
        QCOMPARE(cellTableHeader().size(), CellTable::Columns);
    }
};

QTEST_APPLESS_MAIN(TestBmsInfoDecoder)
#include "tst_bmsinfodecoder.moc"

#include "monitor/bmsinfodecoder.h"
#include "monitor/bmstables.h"

#include <QtTest>

Q_DECLARE_METATYPE(CellTableShape)

// The information table and the battery-type dependent cell table, as data.
class TestBmsTables : public QObject {
    Q_OBJECT

private:
    static QString textAt(const QVector<TableCell>& cells, int row, int column) {
        for (const TableCell& cell : cells)
            if (cell.row == row && cell.column == column)
                return cell.text;
        return QStringLiteral("<none>");
    }
    static const TableCell* cellAt(const QVector<TableCell>& cells, int row, int column) {
        for (const TableCell& cell : cells)
            if (cell.row == row && cell.column == column)
                return &cell;
        return nullptr;
    }

private slots:
    void shapeByBatteryType_data();
    void shapeByBatteryType();
    void layoutCells_data();
    void layoutCells();
    void layoutIsConsistent_data();
    void layoutIsConsistent();
    void valuePlacement_data();
    void valuePlacement();
    void qpaSecondPassFillsFifthModuleOnly();
    void infoTableRows();
    void warningGrid_data();
    void warningGrid();
    void exportName();
};

void TestBmsTables::shapeByBatteryType_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<CellTableShape>("shape");
    QTest::newRow("QPA") << "QPA" << CellTableShape::Qpa;
    QTest::newRow("QPB") << "QPB" << CellTableShape::Other;
    QTest::newRow("QPC") << "QPC" << CellTableShape::Other;
    QTest::newRow("ZRC") << "ZRC" << CellTableShape::Lv;
    QTest::newRow("ZRD") << "ZRD" << CellTableShape::Lv;
    QTest::newRow("ZRA/ZRA Mini") << "ZRA/ZRA Mini" << CellTableShape::Lv;
    QTest::newRow("no refresh yet") << "" << CellTableShape::Other;
    QTest::newRow("qpa lower case") << "qpa" << CellTableShape::Other;
    QTest::newRow("QPA with a blank") << "QPA " << CellTableShape::Other;
}

void TestBmsTables::shapeByBatteryType() {
    QFETCH(QString, type);
    QFETCH(CellTableShape, shape);
    QCOMPARE(cellTableShapeFor(type), shape);
}

void TestBmsTables::layoutCells_data() {
    QTest::addColumn<CellTableShape>("shape");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rowSpan");
    QTest::addColumn<bool>("header");
    const auto qpa = CellTableShape::Qpa;
    const auto lv = CellTableShape::Lv;
    const auto other = CellTableShape::Other;

    QTest::newRow("QPA module 1") << qpa << 0 << 0 << "Module 1" << 4 << false;
    QTest::newRow("QPA module 5") << qpa << 16 << 0 << "Module 5" << 4 << false;
    QTest::newRow("QPA cell 1") << qpa << 0 << 1 << "No.1" << 1 << false;
    QTest::newRow("QPA cell 8") << qpa << 0 << 15 << "No.8" << 1 << false;
    QTest::newRow("QPA cell 129") << qpa << 16 << 1 << "No.129" << 1 << false;
    QTest::newRow("QPA cell 160") << qpa << 19 << 15 << "No.160" << 1 << false;
    QTest::newRow("QPA heading") << qpa << 20 << 0 << "Module" << 1 << true;
    QTest::newRow("QPA heading pair 6") << qpa << 20 << 12 << "Temp.-℃" << 1 << true;
    QTest::newRow("QPA heading ends at 12") << qpa << 20 << 13 << "<none>" << 0 << false;
    QTest::newRow("QPA temp module 1") << qpa << 21 << 0 << "Module 1" << 2 << false;
    QTest::newRow("QPA temp 7") << qpa << 22 << 1 << "No.7" << 1 << false;
    QTest::newRow("QPA temp 60") << qpa << 30 << 11 << "No.60" << 1 << false;
    QTest::newRow("LV voltage label") << lv << 0 << 0 << "Voltage" << 2 << false;
    QTest::newRow("LV cell 16") << lv << 1 << 15 << "No.16" << 1 << false;
    QTest::newRow("LV heading") << lv << 2 << 0 << "Item" << 1 << true;
    QTest::newRow("LV heading pair 8") << lv << 2 << 15 << "Cell No." << 1 << true;
    QTest::newRow("LV temperature label") << lv << 3 << 0 << "Temperature" << 1 << false;
    QTest::newRow("LV temp 8") << lv << 3 << 15 << "No.8" << 1 << false;
    QTest::newRow("LV row 4 unused") << lv << 4 << 0 << "<none>" << 0 << false;
    QTest::newRow("other module 8") << other << 14 << 0 << "Module 8" << 2 << false;
    QTest::newRow("other cell 128") << other << 15 << 15 << "No.128" << 1 << false;
    QTest::newRow("other heading") << other << 16 << 16 << "Temp.-℃" << 1 << true;
    QTest::newRow("other temp module 1 no span") << other << 17 << 0 << "Module 1" << 1 << false;
    QTest::newRow("other temp 64") << other << 24 << 15 << "No.64" << 1 << false;
    QTest::newRow("other row 25 unused") << other << 25 << 0 << "<none>" << 0 << false;
}

void TestBmsTables::layoutCells() {
    QFETCH(CellTableShape, shape);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, rowSpan);
    QFETCH(bool, header);
    const auto cells = cellTableLayout(shape);
    QCOMPARE(textAt(cells, row, column), text);
    if (const TableCell* cell = cellAt(cells, row, column)) {
        QCOMPARE(cell->rowSpan, rowSpan);
        QCOMPARE(cell->header, header);
    }
}

void TestBmsTables::layoutIsConsistent_data() {
    QTest::addColumn<CellTableShape>("shape");
    QTest::addColumn<int>("cellNumbers"); // "No." texts in the whole table
    QTest::newRow("QPA") << CellTableShape::Qpa << 160 + 60;
    QTest::newRow("LV") << CellTableShape::Lv << 16 + 8;
    QTest::newRow("other") << CellTableShape::Other << 128 + 64;
}

void TestBmsTables::layoutIsConsistent() {
    QFETCH(CellTableShape, shape);
    QFETCH(int, cellNumbers);
    const auto cells = cellTableLayout(shape);
    QSet<QPair<int, int>> seen;
    int numbers = 0;
    for (const TableCell& cell : cells) {
        QVERIFY(cell.row >= 0 && cell.row < CellTable::Rows);
        QVERIFY(cell.column >= 0 && cell.column < CellTable::Columns);
        QVERIFY2(!seen.contains({cell.row, cell.column}), qPrintable(cell.text));
        seen.insert({cell.row, cell.column});
        if (cell.text.startsWith("No.")) {
            ++numbers;
            QCOMPARE(cell.column % 2, 1);
        }
    }
    QCOMPARE(numbers, cellNumbers);
    // Every value lands right of a numbered cell, never on a layout cell.
    for (const ValuePlacement& p : cellValuePlacements(shape, false)) {
        QVERIFY(!seen.contains({p.row, p.column}));
        QVERIFY(textAt(cells, p.row, p.column - 1).startsWith("No."));
    }
}

void TestBmsTables::valuePlacement_data() {
    QTest::addColumn<CellTableShape>("shape");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("valueIndex");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    const auto qpa = CellTableShape::Qpa;
    const auto lv = CellTableShape::Lv;
    const auto other = CellTableShape::Other;
    QTest::newRow("QPA cell 1") << qpa << 128 + 60 << 20 << 0 << 2;
    QTest::newRow("QPA cell 128") << qpa << 128 + 60 << 147 << 15 << 16;
    QTest::newRow("QPA temp 1") << qpa << 128 + 60 << 148 << 21 << 2;
    QTest::newRow("QPA temp 7") << qpa << 128 + 60 << 154 << 22 << 2;
    QTest::newRow("QPA temp 60") << qpa << 128 + 60 << 207 << 30 << 12;
    QTest::newRow("LV cell 16") << lv << 16 + 8 << 35 << 1 << 16;
    QTest::newRow("LV temp 1") << lv << 16 + 8 << 148 << 3 << 2;
    QTest::newRow("LV temp 8") << lv << 16 + 8 << 155 << 3 << 16;
    QTest::newRow("other cell 128") << other << 128 + 64 << 147 << 15 << 16;
    QTest::newRow("other temp 1") << other << 128 + 64 << 148 << 17 << 2;
    QTest::newRow("other temp 64") << other << 128 + 64 << 211 << 24 << 16;
}

void TestBmsTables::valuePlacement() {
    QFETCH(CellTableShape, shape);
    QFETCH(int, count);
    QFETCH(int, valueIndex);
    QFETCH(int, row);
    QFETCH(int, column);
    const auto placements = cellValuePlacements(shape, false);
    QCOMPARE(placements.size(), count);
    bool found = false;
    for (const ValuePlacement& p : placements) {
        QVERIFY(p.valueIndex >= BmsInfo::FirstCellValue && p.valueIndex < BmsInfo::ValueCount);
        if (p.valueIndex == valueIndex) {
            QCOMPARE(p.row, row);
            QCOMPARE(p.column, column);
            found = true;
        }
    }
    QVERIFY(found);
}

void TestBmsTables::qpaSecondPassFillsFifthModuleOnly() {
    const auto placements = cellValuePlacements(CellTableShape::Qpa, true);
    QCOMPARE(placements.size(), 32);
    QCOMPARE(placements.first().row, 16);
    QCOMPARE(placements.first().column, 2);
    QCOMPARE(placements.first().valueIndex, BmsInfo::FirstCellValue);
    QCOMPARE(placements.last().row, 19);
    QCOMPARE(placements.last().column, 16);
    QCOMPARE(placements.last().valueIndex, BmsInfo::FirstCellValue + 31);
    // Other shapes have no second pass: the same placements either way.
    QCOMPARE(cellValuePlacements(CellTableShape::Other, true).size(), 192);
}

void TestBmsTables::infoTableRows() {
    const auto names = infoTableNames();
    QCOMPARE(names.size(), 20);
    QCOMPARE(textAt(names, 0, 0), QStringLiteral("Battery SN"));
    QCOMPARE(textAt(names, 7, 2), QStringLiteral("Warning level 3"));
    QCOMPARE(textAt(names, 9, 2), QStringLiteral("Fault code 2"));
    const auto values = infoTableValuePlacements();
    QCOMPARE(values.size(), 20);
    for (const ValuePlacement& p : values)
        QCOMPARE(p.valueIndex, p.column == 1 ? p.row : 10 + p.row);
    // The warning level 3 value sits where the grid colouring reads it.
    for (const ValuePlacement& p : values)
        if (p.valueIndex == 17) {
            QCOMPARE(p.row, InfoTable::Level3Row);
            QCOMPARE(p.column, InfoTable::Level3Column);
        }
}

void TestBmsTables::warningGrid_data() {
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QList<int>>("bits");
    QTest::newRow("zero") << "0000000000000000" << QList<int>{};
    QTest::newRow("0x8001") << "1000000000000001" << QList<int>{0, 15};
    QTest::newRow("0x0003") << "0000000000000011" << QList<int>{0, 1};
    QTest::newRow("empty item") << "" << QList<int>{};
    QTest::newRow("short text") << "11" << QList<int>{14, 15};
}

void TestBmsTables::warningGrid() {
    QFETCH(QString, digits);
    QFETCH(QList<int>, bits);
    QCOMPARE(setWarningBits(digits).toList(), bits);

    const QStringList names = warningGridNames();
    QCOMPARE(names.size(), 16);
    QCOMPARE(names.at(0), QStringLiteral("Battery OverVoltage"));
    QCOMPARE(names.at(15), QStringLiteral("I-Sensor Failure"));
    QCOMPARE(warningGridCell(0).row, 12);
    QCOMPARE(warningGridCell(0).column, 0);
    QCOMPARE(warningGridCell(15).row, 15);
    QCOMPARE(warningGridCell(15).column, 3);
    QCOMPARE(warningGridCell(6).row, 13);
    QCOMPARE(warningGridCell(6).column, 2);
}

void TestBmsTables::exportName() {
    const QDateTime when(QDate(2024, 3, 9), QTime(14, 5, 7));
    QCOMPARE(cellExportDefaultName("/home/u/Desktop", "BMS1", "P030T020Z2008150003", when),
             QStringLiteral("/home/u/Desktop/P030T020Z2008150003+BMS1 Cells Information "
                            "2024-03-09 140507"));
    QCOMPARE(cellTableHeader().size(), CellTable::Columns);
    QCOMPARE(cellTableHeader().at(16), QStringLiteral("V-mV"));
}

QTEST_APPLESS_MAIN(TestBmsTables)
#include "tst_bmstables.moc"

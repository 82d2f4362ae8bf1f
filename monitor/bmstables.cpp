#include "monitor/bmstables.h"

#include "monitor/bmsinfodecoder.h"

#include <QCoreApplication>

QStringList infoTableHeader() {
    return {QCoreApplication::translate("BmsTables", "Items"),
            QCoreApplication::translate("BmsTables", "Value"),
            QCoreApplication::translate("BmsTables", "Items"),
            QCoreApplication::translate("BmsTables", "Value")};
}

QVector<TableCell> infoTableNames() {
    static const char* const names[10][2] = {
        {QT_TRANSLATE_NOOP("BmsTables", "Battery SN"), QT_TRANSLATE_NOOP("BmsTables", "Section A")},
        {QT_TRANSLATE_NOOP("BmsTables", "SOC"), QT_TRANSLATE_NOOP("BmsTables", "Section B")},
        {QT_TRANSLATE_NOOP("BmsTables", "Battery total voltage"),
         QT_TRANSLATE_NOOP("BmsTables", "Running Section")},
        {QT_TRANSLATE_NOOP("BmsTables", "Pack Voltage"),
         QT_TRANSLATE_NOOP("BmsTables", "Threshold table A")},
        {QT_TRANSLATE_NOOP("BmsTables", "Battery Current"),
         QT_TRANSLATE_NOOP("BmsTables", "Threshold table B")},
        {QT_TRANSLATE_NOOP("BmsTables", "Switch State"),
         QT_TRANSLATE_NOOP("BmsTables", "Warning level 1")},
        {QT_TRANSLATE_NOOP("BmsTables", "Highest voltage(Cells)"),
         QT_TRANSLATE_NOOP("BmsTables", "Warning level 2")},
        {QT_TRANSLATE_NOOP("BmsTables", "Lowest voltage(Cells)"),
         QT_TRANSLATE_NOOP("BmsTables", "Warning level 3")},
        {QT_TRANSLATE_NOOP("BmsTables", "Highest Temp(Cells)"),
         QT_TRANSLATE_NOOP("BmsTables", "Fault code 1")},
        {QT_TRANSLATE_NOOP("BmsTables", "Lowest Temp(Cells)"),
         QT_TRANSLATE_NOOP("BmsTables", "Fault code 2")},
    };
    QVector<TableCell> cells;
    for (int row = 0; row < 10; ++row)
        for (int side = 0; side < 2; ++side)
            cells.append(
                {row, 2 * side, QCoreApplication::translate("BmsTables", names[row][side])});
    return cells;
}

QVector<ValuePlacement> infoTableValuePlacements() {
    QVector<ValuePlacement> placements;
    for (int row = 0; row < 10; ++row) {
        placements.append({row, 1, row});
        placements.append({row, 3, 10 + row});
    }
    return placements;
}

QStringList warningGridNames() {
    return {
        QCoreApplication::translate("BmsTables", "Battery OverVoltage"),
        QCoreApplication::translate("BmsTables", "Battery UnderVoltage"),
        QCoreApplication::translate("BmsTables", "Cells OverVoltage"),
        QCoreApplication::translate("BmsTables", "Cells UnderVoltage"),
        QCoreApplication::translate("BmsTables", "V-Sensor Failure"),
        QCoreApplication::translate("BmsTables", "T-Sensor Failure"),
        QCoreApplication::translate("BmsTables", "DisC High Temp(Cells)"),
        QCoreApplication::translate("BmsTables", "DisC Low Temp(Cells)"),
        QCoreApplication::translate("BmsTables", "Chg High Temp(Cells)"),
        QCoreApplication::translate("BmsTables", "Chg Low Temp(Cells)"),
        QCoreApplication::translate("BmsTables", "DisC OverCurrent"),
        QCoreApplication::translate("BmsTables", "Chg OverCurrent"),
        QCoreApplication::translate("BmsTables", "Main circuit Failure"),
        QCoreApplication::translate("BmsTables", "Short Circuit Alarm"),
        QCoreApplication::translate("BmsTables", "Cells ImBalance"),
        QCoreApplication::translate("BmsTables", "I-Sensor Failure"),
    };
}

GridPosition warningGridCell(int bit) {
    return {InfoTable::GridFirstRow + bit / 4, bit % 4};
}

QVector<int> setWarningBits(const QString& binaryDigits) {
    QVector<int> bits;
    for (int bit = 0; bit < 16; ++bit) {
        const int position = 15 - bit;
        if (position < binaryDigits.size() && binaryDigits.at(position) != QLatin1Char('0'))
            bits.append(bit);
    }
    return bits;
}

CellTableShape cellTableShapeFor(const QString& batteryType) {
    if (batteryType == QLatin1String("QPA"))
        return CellTableShape::Qpa;
    if (batteryType.startsWith(QLatin1String("ZR")))
        return CellTableShape::Lv;
    return CellTableShape::Other;
}

namespace {

// How one shape is built: a voltage block and a temperature block, each a run of
// modules with a label in column 0, numbered cells filling pairs of columns.
struct Block {
    int firstRow;
    int modules;
    int rowsPerModule;
    int cellsPerRow;
    QString moduleLabel; // "%1" is the module number; a label without it spans the block
    int firstValue;      // bmsValues index of cell 1
};

struct ShapePlan {
    Block voltages;
    int headingRow;
    QString headingFirst; // column 0 of the heading row
    int headingPairs;
    Block temperatures;
};

ShapePlan planOf(CellTableShape shape) {
    using namespace BmsInfo;
    const QString module = QCoreApplication::translate("BmsTables", "Module %1");
    switch (shape) {
    case CellTableShape::Qpa:
        return {{0, 5, 4, 8, module, FirstCellValue},
                20,
                QCoreApplication::translate("BmsTables", "Module"),
                6,
                {21, 5, 2, 6, module, FirstTemperatureValue}};
    case CellTableShape::Lv:
        return {{0, 1, 2, 8, QCoreApplication::translate("BmsTables", "Voltage"), FirstCellValue},
                2,
                QCoreApplication::translate("BmsTables", "Item"),
                8,
                {3, 1, 1, 8, QCoreApplication::translate("BmsTables", "Temperature"),
                 FirstTemperatureValue}};
    case CellTableShape::Other:
        break;
    }
    return {{0, 8, 2, 8, module, FirstCellValue},
            16,
            QCoreApplication::translate("BmsTables", "Module"),
            8,
            {17, 8, 1, 8, module, FirstTemperatureValue}};
}

void layOutBlock(const Block& block, QVector<TableCell>& cells) {
    int number = 1;
    for (int m = 0; m < block.modules; ++m) {
        const int top = block.firstRow + m * block.rowsPerModule;
        const QString label = block.moduleLabel.contains(QLatin1String("%1"))
                                  ? block.moduleLabel.arg(m + 1)
                                  : block.moduleLabel;
        cells.append({top, 0, label, block.rowsPerModule});
        for (int r = 0; r < block.rowsPerModule; ++r)
            for (int c = 0; c < block.cellsPerRow; ++c)
                cells.append({top + r, 1 + 2 * c,
                              QCoreApplication::translate("BmsTables", "No.%1").arg(number++)});
    }
}

// Values of cells 1..count of a block, in order, starting at row `firstRow`.
void placeValues(const Block& block, int firstRow, int count, QVector<ValuePlacement>& out) {
    for (int i = 0; i < count; ++i)
        out.append({firstRow + i / block.cellsPerRow, 2 + 2 * (i % block.cellsPerRow),
                    block.firstValue + i});
}

int cellsOf(const Block& block) {
    return block.modules * block.rowsPerModule * block.cellsPerRow;
}

} // namespace

QStringList cellTableHeader() {
    QStringList header{QCoreApplication::translate("BmsTables", "Module")};
    for (int pair = 0; pair < 8; ++pair)
        header << QCoreApplication::translate("BmsTables", "Cell No.")
               << QCoreApplication::translate("BmsTables", "V-mV");
    return header;
}

QVector<TableCell> cellTableLayout(CellTableShape shape) {
    const ShapePlan plan = planOf(shape);
    QVector<TableCell> cells;
    layOutBlock(plan.voltages, cells);
    cells.append({plan.headingRow, 0, plan.headingFirst, 1, true});
    for (int pair = 0; pair < plan.headingPairs; ++pair) {
        cells.append({plan.headingRow, 1 + 2 * pair,
                      QCoreApplication::translate("BmsTables", "Cell No."), 1, true});
        cells.append({plan.headingRow, 2 + 2 * pair,
                      QCoreApplication::translate("BmsTables", "Temp.-℃"), 1, true});
    }
    layOutBlock(plan.temperatures, cells);
    return cells;
}

QVector<ValuePlacement> cellValuePlacements(CellTableShape shape, bool secondPass) {
    const ShapePlan plan = planOf(shape);
    QVector<ValuePlacement> placements;
    if (shape == CellTableShape::Qpa) {
        // The BMS serves 128 cells per read: modules 1..4 on the first pass, the fifth
        // module's 32 cells as cells 1..32 of the extended read.
        if (secondPass) {
            placeValues(plan.voltages, 16, 32, placements);
            return placements;
        }
        placeValues(plan.voltages, 0, BmsInfo::CellCount, placements);
        placeValues(plan.temperatures, plan.temperatures.firstRow, cellsOf(plan.temperatures),
                    placements);
        return placements;
    }
    placeValues(plan.voltages, plan.voltages.firstRow, cellsOf(plan.voltages), placements);
    placeValues(plan.temperatures, plan.temperatures.firstRow, cellsOf(plan.temperatures),
                placements);
    return placements;
}

ModuleMakeUp moduleMakeUp(CellTableShape shape) {
    const ShapePlan plan = planOf(shape);
    return {plan.voltages.modules, cellsOf(plan.voltages) / plan.voltages.modules,
            cellsOf(plan.temperatures) / plan.temperatures.modules};
}

QString cellExportDefaultName(const QString& desktop, const QString& bmsName, const QString& serial,
                              const QDateTime& when) {
    return desktop + QStringLiteral("/%2+%1 Cells Information %3")
                         .arg(bmsName, serial, when.toString(QStringLiteral("yyyy-MM-dd HHmmss")));
}

#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

// The two tables of the BMS tab as data: the information table (named values and the
// warning grid of warning level 3) and the cell table, whose shape follows the battery
// type. The widgets only copy these cells in.

struct TableCell {
    int row;
    int column;
    QString text;
    int rowSpan = 1;
    bool header = false; // a heading cell, shown on the header blue
};

// A value of the BMS value list (see bmsinfodecoder.h) and the cell it goes into.
struct ValuePlacement {
    int row;
    int column;
    int valueIndex;
};

struct GridPosition {
    int row;
    int column;
};

// ---- Information table: 4 columns, 18 rows.
namespace InfoTable {
constexpr int Columns = 4;
constexpr int Rows = 18;
constexpr int Level3Row = 7; // warning level 3 text, column 3
constexpr int Level3Column = 3;
constexpr int GridFirstRow = 12;
constexpr int LegendRow = 17;
} // namespace InfoTable

QStringList infoTableHeader();

// Item names of rows 0..9 (columns 0 and 2).
QVector<TableCell> infoTableNames();

// Columns 1 and 3 of rows 0..9 take values 0..9 and 10..19.
QVector<ValuePlacement> infoTableValuePlacements();

// The sixteen warning grid names, bit 0 first.
QStringList warningGridNames();

// Grid cell of a warning level 3 bit: row 12 + bit / 4, column bit % 4.
GridPosition warningGridCell(int bit);

// Bits whose digit is not "0" in a 16-digit binary text (most significant digit first).
// Digits missing from a shorter text count as "0".
QVector<int> setWarningBits(const QString& binaryDigits);

// ---- Cell table: 17 columns, 31 rows.
namespace CellTable {
constexpr int Columns = 17;
constexpr int Rows = 31;
} // namespace CellTable

// "QPA": five modules of 32 cells; LV types (names starting with "ZR"): one module of
// 16 cells and 8 sensors; anything else (QPB, QPC, no type yet): eight modules of 16.
enum class CellTableShape { Qpa, Lv, Other };

CellTableShape cellTableShapeFor(const QString& batteryType);

QStringList cellTableHeader();

// Every fixed cell of a shape: module labels with their spans, "No.%1" cell numbers in
// the odd columns and the heading row of the temperature block.
QVector<TableCell> cellTableLayout(CellTableShape shape);

// Where each value goes. The second pass of a five-module "QPA" tower places only its
// cells 1..32 into rows 16..19, the fifth module, and leaves the rest of the first pass.
QVector<ValuePlacement> cellValuePlacements(CellTableShape shape, bool secondPass);

// How a tower of a shape is made up: its largest number of modules and what each carries.
struct ModuleMakeUp {
    int modules;
    int cellsPerModule;
    int sensorsPerModule;
};

ModuleMakeUp moduleMakeUp(CellTableShape shape);

// Default file of the cell-table export, on the desktop:
// "<desktop>/<serial>+<bms> Cells Information yyyy-MM-dd HHmmss".
QString cellExportDefaultName(const QString& desktop, const QString& bmsName, const QString& serial,
                              const QDateTime& when);

#pragma once

#include "files/sheetrows.h"

#include <QByteArray>

// Packs a parameter-table sheet into a table file for the BMU.
//
// The sheet's used range holds 89 table rows and one closing row that is not part of the
// table. Each table row carries six 16-bit values, in columns 3, 5, 7, 9, 11 and 13
// (from 0), decimal and from -32768 to 65535 (negative ones stored as two's complement).
// The very last value (column 13 of the last table row) is already hex text (up to four
// digits). 89 x 6 values make the 1068 table bytes; the table's main and sub version,
// columns 3 and 5 of the last table row, end up at table offsets 1057 and 1059.
//
// File content as encodeTableFile writes it: the values as four lower-case hex digits and
// a blank each, then the CRC-16/MODBUS of the table bytes as four upper-case hex digits,
// low byte first; that ASCII text Base64-encoded, with no line end.
struct TablePackage {
    QString fileName; // "<type>-TAB-<type code>-<main>.<sub>.bin"
    QString hexText;  // the text before Base64, CRC included
    QByteArray content;
    QString error; // set when the sheet cannot make a table; nothing else is then set

    bool ok() const { return error.isEmpty(); }
};

constexpr int tableRowCount = 89;
constexpr int tableByteCount = 1068;

// The battery types a table can be packaged for.
QStringList packagingBatteryTypes();

// batteryType is one of the texts of the packaging's type list: ZRC and QPC get type code
// 0, ZRDX and QPB 1, ZRA and QPA 2 (the code the table header register carries). The file name
// starts with its first three characters, the form the table scan matches against the BMU's battery
// type ("ZRDX" tables are found as "ZRD").
TablePackage packageParameterTable(const SheetRows& rows, const QString& batteryType);

#pragma once

#include "files/sheetrows.h"

// Reads the first worksheet of a binary Excel 97-2003 workbook (.xls, BIFF8 records in a
// compound file).
// Dates come out as "yyyy-MM-dd hh:mm:ss", numbers as a spreadsheet program shows them.
SheetReadResult readXlsFirstSheet(const QString& path);

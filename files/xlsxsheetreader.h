#pragma once

#include "files/sheetrows.h"

// Reads the first worksheet of an Office Open XML workbook (.xlsx): the zip package, its
// workbook, relationships, shared strings, number formats and the sheet's cells. Numbers
// come out as a spreadsheet program shows them, numbers in a date format as
// "yyyy-MM-dd hh:mm:ss".
SheetReadResult readXlsxFirstSheet(const QString& path);

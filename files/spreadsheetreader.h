#pragma once

#include "files/sheetrows.h"

#include <QByteArray>

// The kinds of file the import understands, told apart by their first bytes.
enum class SheetFormat { Empty, Xlsx, Xls, Text };

// A zip package is taken for .xlsx, an OLE2 compound file for .xls, anything else for text
// (whether it really is text is decided while decoding it).
SheetFormat sniffSheetFormat(const QByteArray& head);

// Reads the first worksheet's used range of the file at path as rows of cell texts,
// whatever its name says: an .xlsx workbook, an Excel 97-2003 workbook, or tab- or
// comma-separated text (the tool's own exports are such text even when named .xls).
// A file that is missing, empty, damaged or of another kind gives an error text.
SheetReadResult readFirstWorksheet(const QString& path);

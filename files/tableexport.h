#pragma once

#include "files/sheetrows.h"

#include <QByteArray>

// A result table as it is exported: the header texts (an empty text for a column without
// a header) and the rows of display texts. A row shorter than the header has missing
// cells at its end; they are written like empty ones.
struct ExportTable {
    QStringList header;
    SheetRows rows;
};

// The tab-separated form: the header line, then one line per row; every cell text followed
// by one tab, so each line ends in a tab. Lines are joined by "\n" with none after the last
// (a text-mode file turns them into the platform's line ends). No quoting: the texts go in
// unchanged.
QString tabSeparatedText(const ExportTable& table);

// The text above in the GB2312 code page, which spreadsheet programs in the tool's market
// open directly; characters GB2312 lacks become the codec's substitute.
QByteArray tabSeparatedGb2312(const ExportTable& table);

// True when the chosen name asks for an Office Open XML workbook (suffix .xlsx, any case).
bool wantsXlsx(const QString& path);

// Writes the table to path: an .xlsx workbook with every cell as text (so long digit
// strings and hex bytes stay as they are) when the name ends in .xlsx, otherwise the
// tab-separated GB2312 text. The file is replaced only once it is complete: when writing
// fails (a full disk, a folder without write permission) an existing file stays as it was
// and nothing partial is left. Returns an empty text on success, else the file and the
// reason it could not be written.
QString writeTableFile(const QString& path, const ExportTable& table);

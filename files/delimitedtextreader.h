#pragma once

#include "files/sheetrows.h"

#include <QByteArray>

// Decodes the bytes of a text table: UTF-8 (with or without a byte-order mark), UTF-16
// with a byte-order mark, or GB2312 (read as its superset GB18030). Returns false, leaving
// text untouched, when the bytes are not text in any of these encodings: invalid
// sequences, or control characters other than tab, line feed, carriage return and form feed.
bool decodeTableText(const QByteArray& bytes, QString* text);

// Splits a text table into the used range: lines into rows, and each line at tabs when the
// first line holds a tab, otherwise at commas. A field that starts with a double quote runs
// to the closing quote ("" inside stands for one quote) and may span lines. CRLF, LF and CR
// line ends are all accepted.
SheetReadResult parseDelimitedText(const QString& text);

// The two steps above; an error when the bytes are not text.
SheetReadResult readDelimitedText(const QByteArray& bytes);

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A parameter-table file holds three layers: Base64 text (standard alphabet) of ASCII hex
// text, of which only the part before the first NUL counts, of the table block: the table
// bytes followed by their CRC-16/MODBUS, low byte first.

struct TableBlock {
    QByteArray tableData; // the table bytes, CRC removed
    QString crcText;      // the block's two CRC bytes as upper-case hex, in file order
};

// The table block of a file's content. A damaged layer decodes to bytes that fail the
// CRC check; content too short to hold a CRC leaves the CRC text short or empty.
TableBlock decodeTableFile(const QByteArray& content);

// Whether the table bytes carry the CRC the file states.
bool tableCrcMatches(const TableBlock& block);

// The file content for table bytes: hex text of the bytes, the CRC appended low byte
// first, Base64-encoded with padding and without line breaks.
QByteArray encodeTableFile(const QByteArray& tableBytes);

// Table files are named "<type>-TAB-<code>-<main>.<sub>.bin", <type> being the first three
// characters of the battery type text ("ZRA" for "ZRA/ZRA Mini").
struct TableScan {
    QString selectedFile; // the newest file newer than the running table; empty if none
    QString shownVersion; // "V%1.%2" of the selected file, else of the last matching one
};

// Picks the table file to load among `fileNames` for the battery type, comparing each
// matching file's version with the running one (text "V1.5").
TableScan scanTableFileNames(const QStringList& fileNames, const QString& batteryType,
                             const QString& runningVersionText);

// A table file is about 7 KB (1070 bytes as hex text, Base64-encoded); anything above this
// is no table and is not read.
constexpr qint64 maxTableFileSize = 64 * 1024;

// The scan above over the files of a folder, those larger than a table file left out.
TableScan scanTableFolder(const QString& folder, const QString& batteryType,
                          const QString& runningVersionText);

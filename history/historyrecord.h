#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// A history record is 30 bytes: the event code, six time-stamp bytes (year within the
// century, month, day, hour, minute, second; plain binary, not BCD) and 23 data bytes
// whose meaning depends on the code. Twenty records form a 600-byte block.
// Every reader below goes through byteAt(): bytes beyond a short block read as 0.
namespace LogRecord {
constexpr int Size = 30;
constexpr int PerBlock = 20;
constexpr int BlockSize = Size * PerBlock;
constexpr int DataOffset = 7;
constexpr int DataSize = 23;
} // namespace LogRecord

// Rows of table texts, one QStringList per row.
using TextRows = QVector<QStringList>;

// "20%1-%2-%3 %4:%5:%6" from the six time-stamp bytes of the record at `offset`,
// each in decimal, at least two digits (an erased record reads 20255-255-255 ...).
QString recordTimeStamp(const QByteArray& block, int offset);

// The 23 data bytes of the record at `offset`, each as two lower-case hex digits
// followed by one blank.
QString recordLogDataText(const QByteArray& block, int offset);

// The text of the code column: known codes below 10 as two digits ("04"), every other
// code as its decimal number.
QString codeColumnText(int code, bool known);

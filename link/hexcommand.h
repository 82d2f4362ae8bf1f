#pragma once

#include <QByteArray>
#include <QString>

// Requests are written as hex command strings: two upper-case hex digits per byte,
// bytes separated by single blanks ("01 03 00 10 00 03 04 0E"). Composed fields may be
// spliced in as four digits without a blank ("04 0003 81 00"): the conversion to bytes
// skips the blanks.

QByteArray hexToBytes(const QString& text);

// Bytes as upper-case hex pairs separated by blanks, the form of a command string.
QString bytesToHexCommand(const QByteArray& bytes);

// A 16-bit register value as exactly four upper-case hex digits, zero-padded ("0001").
QString hexField(quint16 value);

// One byte as exactly two upper-case hex digits.
QString hexByte(quint8 value);

// Converts the text to bytes, computes the CRC-16/MODBUS and returns the text with
// a blank, the low CRC byte, a blank and the high CRC byte appended.
QString appendCrcHex(const QString& text);

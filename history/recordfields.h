#pragma once

#include "link/bytes.h"

#include <QByteArray>
#include <QString>

enum class ByteOrder { BigEndian, LittleEndian };

// The data bytes of one record (d[0] .. d[22]) read as unsigned bytes and 16-bit words
// in the byte order of the battery family; offsets past the end read as 0.
struct RecordFields {
    const QByteArray& bytes;
    ByteOrder order;

    int b(int i) const { return byteAt(bytes, i); }
    int w(int i) const {
        return order == ByteOrder::BigEndian ? wordBE(bytes, i) : wordLE(bytes, i);
    }
    // A word counted in tenths, printed with one decimal.
    QString tenths(int i) const;
    // A signed (two's complement) word counted in tenths, printed with one decimal.
    QString signedTenths(int i) const;
    // "V%1.%2" from the bytes d[major] and d[minor], in decimal.
    QString version(int major, int minor) const;
};

// `format` (UTF-8, a "History" text) translated, with its "%1" filled by `value`.
QString fillText(const char* format, const QString& value);
QString fillText(const char* format, int value);

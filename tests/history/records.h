#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QStringList>
#include <QVector>

Q_DECLARE_METATYPE(QVector<QStringList>)

// Builders of history records for the decoder tests: a 30-byte record is the event code,
// six time-stamp bytes and 23 data bytes.
namespace TestRecords {

// 2021-03-05 09:07:02
inline const QByteArray defaultTime = QByteArray::fromHex("150305090702");

inline QByteArray record(int code, const QByteArray& data = {},
                         const QByteArray& time = defaultTime) {
    QByteArray bytes(1, char(code));
    bytes += time.leftJustified(6, '\0', true);
    bytes += data.leftJustified(23, '\0', true);
    return bytes;
}

// A 600-byte block: the given records first, records of zero bytes after them.
inline QByteArray block(const QVector<QByteArray>& records) {
    QByteArray bytes;
    for (const QByteArray& r : records)
        bytes += r;
    return bytes.leftJustified(600, '\0', true);
}

inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

} // namespace TestRecords

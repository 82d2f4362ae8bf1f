#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QStringList>
#include <QVector>

Q_DECLARE_METATYPE(QVector<QStringList>)

// Builders of history records: a 30-byte record is the event code, six time-stamp bytes
// and 23 data bytes.
namespace TestRecords {

// 2021-03-05 09:07:02
inline const QByteArray defaultTime = QByteArray::fromHex("150305090702");
inline const QString defaultTimeText = QStringLiteral("2021-03-05 09:07:02");

inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// 23 data bytes, zero but for `bytes` written from `offset`.
inline QByteArray with(int offset, const char* bytes) {
    QByteArray data(23, '\0');
    const QByteArray b = hex(bytes);
    data.replace(offset, b.size(), b);
    return data;
}

inline QByteArray record(int code, const QByteArray& data = {},
                         const QByteArray& time = defaultTime) {
    return char(code) + time.leftJustified(6, '\0', true) + data.leftJustified(23, '\0', true);
}

// A 600-byte block: the given records first, records of zero bytes after them.
inline QByteArray block(const QVector<QByteArray>& records) {
    QByteArray bytes;
    for (const QByteArray& r : records)
        bytes += r;
    return bytes.leftJustified(600, '\0', true);
}

// Record k of a test log is stamped 2023-06-01 10:k:00, so rows show which record they hold.
inline QByteArray timeOf(int k) {
    return hex("170601") + char(10 + k / 60) + char(k % 60) + char(0);
}

inline QString timeText(int k) {
    return QStringLiteral("2023-06-01 %1:%2:00")
        .arg(10 + k / 60, 2, 10, QLatin1Char('0'))
        .arg(k % 60, 2, 10, QLatin1Char('0'));
}

// A log of `count` records of code 101 whose first data byte is the record's number.
inline QVector<QByteArray> numberedLog(int count, int code = 101) {
    QVector<QByteArray> log;
    for (int k = 0; k < count; ++k)
        log << record(code, QByteArray(1, char(k)), timeOf(k));
    return log;
}

} // namespace TestRecords

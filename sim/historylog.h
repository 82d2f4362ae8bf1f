#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QVector>

// History records: event code, six time-stamp bytes (year within the century, month,
// day, hour, minute, second, plain binary) and 23 data bytes.
namespace HistoryRecord {
constexpr int Size = 30;
constexpr int DataSize = 23;
constexpr int PerBlock = 20;
constexpr int BlockSize = Size * PerBlock; // 600

// A record with its data bytes cut or zero-padded to 23.
QByteArray make(quint8 code, const QDateTime& when, const QByteArray& data);
// What the BMU reports past the end of a log: every byte 0xFF.
QByteArray erased();
} // namespace HistoryRecord

// The log of one unit (the BMU or one BMS), newest record first, read block by block:
// every block request delivers the next 20 records, and past the end of the log the
// records are erased.
class HistoryLog {
public:
    HistoryLog() = default;
    explicit HistoryLog(QVector<QByteArray> records);

    int size() const { return records.size(); }
    const QVector<QByteArray>& all() const { return records; }

    // A new event: it becomes the newest record.
    void prepend(const QByteArray& record);

    // The 600 bytes of the next block; the read position moves on by 20 records.
    QByteArray nextBlock();
    // Back to the newest record.
    void rewind() { position = 0; }
    int readPosition() const { return position; }

private:
    QVector<QByteArray> records;
    int position = 0;
};

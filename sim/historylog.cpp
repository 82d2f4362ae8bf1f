#include "sim/historylog.h"

QByteArray HistoryRecord::make(quint8 code, const QDateTime& when, const QByteArray& data) {
    const QDate date = when.date();
    const QTime time = when.time();
    QByteArray record;
    record.reserve(Size);
    record.append(char(code));
    record.append(char(date.year() % 100));
    record.append(char(date.month()));
    record.append(char(date.day()));
    record.append(char(time.hour()));
    record.append(char(time.minute()));
    record.append(char(time.second()));
    record.append(data.left(DataSize));
    record.append(QByteArray(Size - record.size(), '\0'));
    return record;
}

QByteArray HistoryRecord::erased() {
    return QByteArray(Size, char(0xFF));
}

HistoryLog::HistoryLog(QVector<QByteArray> records)
    : records(std::move(records)) {}

void HistoryLog::prepend(const QByteArray& record) {
    records.prepend(record);
}

QByteArray HistoryLog::nextBlock() {
    QByteArray block;
    block.reserve(HistoryRecord::BlockSize);
    for (int i = 0; i < HistoryRecord::PerBlock; ++i) {
        const int index = position + i;
        const QByteArray record = index < records.size() ? records[index] : HistoryRecord::erased();
        // Records set from a scenario may be short or long: each takes exactly 30 bytes.
        block.append(record.left(HistoryRecord::Size));
        block.append(
            QByteArray(HistoryRecord::Size - qMin(record.size(), HistoryRecord::Size), '\0'));
    }
    position += HistoryRecord::PerBlock;
    return block;
}

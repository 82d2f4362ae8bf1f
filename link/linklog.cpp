#include "link/linklog.h"

#include "link/hexcommand.h"

LinkLog::LinkLog(int capacity, QObject* parent)
    : QAbstractTableModel(parent)
    , ring(qMax(1, capacity)) {}

void LinkLog::append(FrameRecord record) {
    totals.frames += 1;
    totals.bytes += record.bytes.size();
    if (!record.crcGood)
        totals.crcErrors += 1;
    if (record.exception)
        totals.exceptions += 1;
    if (record.latencyMs >= 0) {
        totals.latencySumMs += record.latencyMs;
        totals.replies += 1;
    }
    if (!record.operation.isEmpty() && !seenOperations.contains(record.operation)) {
        seenOperations.append(record.operation);
        emit operationSeen(record.operation);
    }
    if (count == ring.size()) {
        beginRemoveRows(QModelIndex(), 0, 0);
        first = (first + 1) % ring.size();
        count -= 1;
        endRemoveRows();
    }
    beginInsertRows(QModelIndex(), count, count);
    ring[(first + count) % ring.size()] = std::move(record);
    count += 1;
    endInsertRows();
    emit countersChanged();
}

void LinkLog::countTimeout() {
    totals.timeouts += 1;
    emit countersChanged();
}

void LinkLog::clear() {
    beginResetModel();
    ring.fill(FrameRecord());
    first = 0;
    count = 0;
    totals = LinkCounters();
    seenOperations.clear();
    endResetModel();
    emit countersChanged();
}

int LinkLog::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count;
}

int LinkLog::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString LinkLog::cellText(const FrameRecord& r, int column) const {
    switch (column) {
    case Time:
        return QString::number(r.atMs);
    case Direction:
        return r.direction == FrameRecord::Direction::Sent ? tr("sent") : tr("received");
    case Operation:
        return r.operation;
    case What:
        return r.what;
    case Crc:
        return r.crcGood ? tr("good") : tr("bad");
    case Latency:
        return r.latencyMs < 0 ? QString() : QString::number(r.latencyMs, 'f', 1);
    case Hex:
        return bytesToHexCommand(r.bytes);
    default:
        return QString();
    }
}

QVariant LinkLog::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= count)
        return {};
    const FrameRecord& r = record(index.row());
    if (role == Qt::DisplayRole)
        return cellText(r, index.column());
    if (role == Qt::TextAlignmentRole && (index.column() == Time || index.column() == Latency))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant LinkLog::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Time:
        return tr("Time (ms)");
    case Direction:
        return tr("Direction");
    case Operation:
        return tr("Operation");
    case What:
        return tr("Frame");
    case Crc:
        return tr("CRC");
    case Latency:
        return tr("Latency (ms)");
    case Hex:
        return tr("Hex");
    default:
        return {};
    }
}

QString LinkLog::text(const QString& operation) const {
    QStringList columns;
    for (int column = 0; column < ColumnCount; ++column)
        columns << headerData(column, Qt::Horizontal).toString();
    QString out = columns.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int row = 0; row < count; ++row) {
        const FrameRecord& r = record(row);
        if (!operation.isEmpty() && r.operation != operation)
            continue;
        columns.clear();
        for (int column = 0; column < ColumnCount; ++column)
            columns << cellText(r, column);
        out += columns.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

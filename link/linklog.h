#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// One frame on the link as the link monitor lists it.
struct FrameRecord {
    enum class Direction { Sent, Received };
    qint64 atMs = 0; // since the link came up
    Direction direction = Direction::Sent;
    QByteArray bytes;
    QString what;      // function, first register and count, in words
    QString operation; // the operation the frame belongs to; empty outside any
    bool crcGood = true;
    bool exception = false;
    double latencyMs = -1; // a reply's time since its request; -1 when none
};

// What the link carried since the log was last cleared; kept over every frame, not only
// those still in the ring.
struct LinkCounters {
    qint64 frames = 0;
    qint64 bytes = 0;
    qint64 crcErrors = 0;
    qint64 exceptions = 0;
    qint64 timeouts = 0; // requests that got no reply
    double latencySumMs = 0;
    qint64 replies = 0; // replies with a latency

    double meanLatencyMs() const { return replies ? latencySumMs / replies : 0; }
};

// The newest frames in a ring of fixed capacity, as a table: memory stays bounded however
// long the link runs, and a view of 20 000 rows asks only for the rows it shows.
class LinkLog : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Time, Direction, Operation, What, Crc, Latency, Hex, ColumnCount };
    static constexpr int DefaultCapacity = 20000;

    explicit LinkLog(int capacity = DefaultCapacity, QObject* parent = nullptr);

    void append(FrameRecord record);
    void countTimeout();
    void clear();

    const FrameRecord& record(int row) const { return ring[(first + row) % ring.size()]; }
    const LinkCounters& counters() const { return totals; }
    // Operations seen since the last clear, in the order they first appeared.
    const QStringList& operations() const { return seenOperations; }

    // The rows as text, one line a frame with a heading line; only the rows of
    // `operation` when it is given.
    QString text(const QString& operation = QString()) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void countersChanged();
    void operationSeen(const QString& operation);

private:
    QString cellText(const FrameRecord& record, int column) const;

    QVector<FrameRecord> ring;
    int first = 0; // ring index of the oldest row
    int count = 0;
    LinkCounters totals;
    QStringList seenOperations;
};

#pragma once

#include "link/linklog.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QObject>
#include <QVector>

class BmuSession;
struct OperationResult;

// Records the frames of a session's link into a LinkLog while recording is on: each with
// its time since the link came up, what it is, the operation it belongs to and, for a
// reply, its latency. While off, no frame signal of the link is even connected, so the
// link pays nothing for a monitor nobody looks at.
class LinkMonitor : public QObject {
    Q_OBJECT

public:
    explicit LinkMonitor(BmuSession* session, QObject* parent = nullptr);

    LinkLog* log() { return &frames; }
    void setRecording(bool on);
    bool isRecording() const { return !connections.isEmpty(); }

    // What a frame is, in words: function, first register and count. A reply names the
    // registers of `request`, the request it answers, when that is a read.
    static QString describe(const QByteArray& frame, bool sent, const QByteArray& request);

private:
    void onSent(const QByteArray& frame);
    void onReceived(const QByteArray& frame, bool crcGood, bool exception);
    void onOperationEnding();
    void onOperationFinished();
    void countUnanswered(int requests);
    qint64 sinceConnect() const;

    BmuSession* session;
    LinkLog frames;
    QElapsedTimer sinceLinkUp;
    QVector<QMetaObject::Connection> connections;

    // Requests sent and not yet answered, oldest first. The tool may send the next request
    // before the reply to the last has come, and the BMU answers in order.
    struct PendingRequest {
        QByteArray frame;
        QString operation;
        QElapsedTimer sent;
    };
    static constexpr int PendingLimit = 32;
    QVector<PendingRequest> pending;
    // The first requests of `pending` that were sent before an operation ended: unanswered
    // once the reply that ended it has been taken.
    int sentBeforeEnd = 0;
    void dropFront(int requests);
    int answeredRequest(const QByteArray& reply) const;
};

#include "link/linkmonitor.h"

#include "link/bmusession.h"
#include "link/bytes.h"
#include "link/frameassembler.h"
#include "link/hexcommand.h"

namespace {

constexpr quint8 ReadHolding = 0x03;
constexpr quint8 WriteMultiple = 0x10;

QString registerText(quint16 address) {
    return QStringLiteral("0x") + hexField(address);
}

} // namespace

LinkMonitor::LinkMonitor(BmuSession* session, QObject* parent)
    : QObject(parent)
    , session(session) {
    sinceLinkUp.start();
    // Only the link's coming up is followed all the time: it starts the clock of the rows.
    connect(session->link(), &BmuLink::connected, this, [this] { sinceLinkUp.restart(); });
}

qint64 LinkMonitor::sinceConnect() const {
    return sinceLinkUp.elapsed();
}

void LinkMonitor::setRecording(bool on) {
    if (on == isRecording())
        return;
    if (!on) {
        for (const QMetaObject::Connection& c : connections)
            disconnect(c);
        connections.clear();
        pending.clear();
        sentBeforeEnd = 0;
        return;
    }
    BmuLink* link = session->link();
    connections = {
        connect(link, &BmuLink::frameSent, this, &LinkMonitor::onSent),
        connect(link, &BmuLink::frameReceived, this,
                [this](const QByteArray& frame) { onReceived(frame, true, false); }),
        connect(link, &BmuLink::exceptionReceived, this,
                [this](quint8, const QByteArray& frame) { onReceived(frame, true, true); }),
        connect(link, &BmuLink::frameRejected, this,
                [this](const QByteArray& frame) { onReceived(frame, false, false); }),
        // The session hears a reply before the monitor does, and the reply may end the
        // operation: what the operation left unanswered is told once that reply has been
        // recorded, and before then the next operation may have sent its first request.
        connect(session, &BmuSession::operationFinished, this, &LinkMonitor::onOperationEnding),
        connect(session, &BmuSession::operationFinished, this, &LinkMonitor::onOperationFinished,
                Qt::QueuedConnection),
    };
}

void LinkMonitor::countUnanswered(int requests) {
    for (int i = 0; i < requests; ++i)
        frames.countTimeout();
}

void LinkMonitor::onSent(const QByteArray& frame) {
    Operation* operation = session->currentOperation();
    PendingRequest request{frame, operation ? operation->name() : QString(), {}};
    request.sent.start();
    if (pending.size() == PendingLimit) {
        dropFront(1);
        countUnanswered(1);
    }
    pending.append(request);

    FrameRecord record;
    record.atMs = sinceConnect();
    record.direction = FrameRecord::Direction::Sent;
    record.bytes = frame;
    record.what = describe(frame, true, QByteArray());
    record.operation = request.operation;
    frames.append(std::move(record));
}

int LinkMonitor::answeredRequest(const QByteArray& reply) const {
    const quint8 function = byteAt(reply, 1);
    for (int i = 0; i < pending.size(); ++i) {
        const QByteArray& request = pending[i].frame;
        const quint8 asked = byteAt(request, 1);
        const bool answers = function & 0x80           ? (function & 0x7F) == asked
                             : function != asked       ? false
                             : function == ReadHolding ? byteAt(reply, 2) == 2 * wordBE(request, 4)
                                                       : function != WriteMultiple ||
                                                             reply.mid(2, 4) == request.mid(2, 4);
        if (answers)
            return i;
    }
    return -1;
}

void LinkMonitor::onReceived(const QByteArray& frame, bool crcGood, bool exception) {
    FrameRecord record;
    record.atMs = sinceConnect();
    record.direction = FrameRecord::Direction::Received;
    record.bytes = frame;
    record.crcGood = crcGood;
    record.exception = exception;
    const int answered = answeredRequest(frame);
    if (answered >= 0) {
        const PendingRequest& request = pending[answered];
        record.what = describe(frame, false, request.frame);
        record.operation = request.operation;
        record.latencyMs = request.sent.nsecsElapsed() / 1e6;
        // A reply with a bad CRC is no answer: its request still waits for one. A good one
        // answers its request, and the BMU has passed over the requests before it.
        if (crcGood) {
            countUnanswered(answered);
            dropFront(answered + 1);
        }
    } else {
        Operation* operation = session->currentOperation();
        record.what = describe(frame, false, QByteArray());
        record.operation = operation ? operation->name() : QString();
    }
    frames.append(std::move(record));
}

void LinkMonitor::dropFront(int requests) {
    pending.remove(0, requests);
    sentBeforeEnd = qMax(0, sentBeforeEnd - requests);
}

void LinkMonitor::onOperationEnding() {
    sentBeforeEnd = pending.size();
}

void LinkMonitor::onOperationFinished() {
    countUnanswered(sentBeforeEnd);
    dropFront(sentBeforeEnd);
}

QString LinkMonitor::describe(const QByteArray& frame, bool sent, const QByteArray& request) {
    if (frame.size() < 4)
        return tr("short frame of %1 bytes").arg(frame.size());
    const quint8 function = byteAt(frame, 1);
    if (!sent && FrameAssembler::isException(frame)) {
        const quint8 code = byteAt(frame, 2);
        return tr("exception %1 (%2) to function %3")
            .arg(code)
            .arg(QLatin1String(modbusExceptionName(code)))
            .arg(function & 0x7F, 2, 16, QLatin1Char('0'));
    }
    const QString first = registerText(wordBE(frame, 2));
    const int count = wordBE(frame, 4);
    if (function == ReadHolding) {
        if (sent)
            return tr("read %1, count %2").arg(first).arg(count);
        const int registers = byteAt(frame, 2) / 2;
        if (byteAt(request, 1) == ReadHolding)
            return tr("reply to read %2, count %1")
                .arg(registers)
                .arg(registerText(wordBE(request, 2)));
        return tr("reply, count %1").arg(registers);
    }
    if (function == WriteMultiple)
        return (sent ? tr("write %1, count %2") : tr("echo of write %1, count %2"))
            .arg(first)
            .arg(count);
    return tr("function %1").arg(function, 2, 16, QLatin1Char('0'));
}

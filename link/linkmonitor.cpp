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
        awaitingReply = false;
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
        connect(session, &BmuSession::operationFinished, this, &LinkMonitor::onOperationFinished),
    };
}

void LinkMonitor::onSent(const QByteArray& frame) {
    if (awaitingReply)
        frames.countTimeout();
    Operation* operation = session->currentOperation();
    request = frame;
    requestOperation = operation ? operation->name() : QString();
    awaitingReply = true;
    sinceRequest.start();

    FrameRecord record;
    record.atMs = sinceConnect();
    record.direction = FrameRecord::Direction::Sent;
    record.bytes = frame;
    record.what = describe(frame, true, QByteArray());
    record.operation = requestOperation;
    frames.append(std::move(record));
}

void LinkMonitor::onReceived(const QByteArray& frame, bool crcGood, bool exception) {
    FrameRecord record;
    record.atMs = sinceConnect();
    record.direction = FrameRecord::Direction::Received;
    record.bytes = frame;
    record.crcGood = crcGood;
    record.exception = exception;
    if (awaitingReply) {
        record.what = describe(frame, false, request);
        record.operation = requestOperation;
        record.latencyMs = sinceRequest.nsecsElapsed() / 1e6;
        // A reply with a bad CRC is no answer: the request still waits for one.
        awaitingReply = !crcGood;
    } else {
        Operation* operation = session->currentOperation();
        record.what = describe(frame, false, QByteArray());
        record.operation = operation ? operation->name() : QString();
    }
    frames.append(std::move(record));
}

void LinkMonitor::onOperationFinished() {
    if (awaitingReply)
        frames.countTimeout();
    awaitingReply = false;
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
            return tr("read %1, %2 registers").arg(first).arg(count);
        const int registers = byteAt(frame, 2) / 2;
        if (byteAt(request, 1) == ReadHolding)
            return tr("reply: %1 registers from %2")
                .arg(registers)
                .arg(registerText(wordBE(request, 2)));
        return tr("reply: %1 registers").arg(registers);
    }
    if (function == WriteMultiple)
        return (sent ? tr("write %1, %2 registers") : tr("echo: write %1, %2 registers"))
            .arg(first)
            .arg(count);
    return tr("function %1").arg(function, 2, 16, QLatin1Char('0'));
}

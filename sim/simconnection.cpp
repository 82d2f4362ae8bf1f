#include "sim/simconnection.h"

#include <QTcpSocket>

SimConnection::SimConnection(QTcpSocket* socket, QObject* parent)
    : QObject(parent)
    , socket(socket) {
    socket->setParent(this);
    // Each piece leaves at once in a segment of its own.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    waiter.setSingleShot(true);
    connect(&waiter, &QTimer::timeout, this, &SimConnection::pump);
    connect(socket, &QTcpSocket::readyRead, this, &SimConnection::readAll);
    connect(socket, &QTcpSocket::disconnected, this, [this] {
        waiter.stop();
        queue.clear();
        if (onGone)
            onGone();
    });
}

void SimConnection::readAll() {
    const QVector<ModbusRequest> requests = parser.feed(socket->readAll());
    for (const ModbusRequest& request : requests) {
        ++frames;
        if (onRequest)
            onRequest(request);
        if (socket->state() != QAbstractSocket::ConnectedState)
            break;
    }
}

void SimConnection::send(const QByteArray& bytes, int delayMs) {
    queue.enqueue({bytes, delayMs, false});
    pump();
}

void SimConnection::closeWhenSent(int delayMs) {
    queue.enqueue({{}, delayMs, true});
    pump();
}

void SimConnection::pump() {
    if (waiter.isActive())
        return;
    while (!queue.isEmpty()) {
        if (queue.head().delay > 0 && !waited) {
            waited = true;
            waiter.start(queue.head().delay);
            return;
        }
        waited = false;
        const Piece piece = queue.dequeue();
        if (piece.close) {
            queue.clear();
            socket->disconnectFromHost();
            return;
        }
        socket->write(piece.bytes);
        socket->flush();
    }
}

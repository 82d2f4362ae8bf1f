#include "link/bmulink.h"
#include "app/logcategories.h"

#include "link/bytes.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

QString failureText(QAbstractSocket::SocketError error, const QString& systemText) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return BmuLink::tr("connection refused");
    case QAbstractSocket::SocketTimeoutError:
        return BmuLink::tr("timed out");
    case QAbstractSocket::NetworkError:
        return BmuLink::tr("no route to the BMU (is this PC on the system's WiFi?)");
    case QAbstractSocket::HostNotFoundError:
        return BmuLink::tr("host not found");
    default:
        return systemText;
    }
}

} // namespace

BmuLink::BmuLink(QObject* parent)
    : QObject(parent)
    , socket(new QTcpSocket(this))
    , connectTimer(new QTimer(this))
    , reconnectTimer(new QTimer(this)) {
    connect(socket, &QTcpSocket::readyRead, this, &BmuLink::onReadyRead);
    connect(socket, &QTcpSocket::connected, this, &BmuLink::onConnected);
    connect(socket, &QTcpSocket::disconnected, this, &BmuLink::onDisconnected);
    connect(socket, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        // A link the BMU closes ends through disconnected(); only failed attempts here.
        if (e != QAbstractSocket::RemoteHostClosedError &&
            socket->state() != QAbstractSocket::ConnectedState) {
            failure = failureText(e, socket->errorString());
            onConnectFailed();
        }
    });
    connectTimer->setSingleShot(true);
    connect(connectTimer, &QTimer::timeout, this, [this] {
        failure = tr("timed out after %1 s").arg(intervals.connectLimitMs / 1000.0);
        onConnectFailed();
    });
    reconnectTimer->setSingleShot(true);
    connect(reconnectTimer, &QTimer::timeout, this, [this] {
        emit reconnecting(reconnectAttempts);
        open();
    });
}

void BmuLink::setEndpoint(const QString& host, quint16 port) {
    endpointHost = host;
    endpointPort = port;
}

bool BmuLink::isConnected() const {
    return socket->state() == QAbstractSocket::ConnectedState;
}

void BmuLink::open() {
    socket->connectToHost(endpointHost, endpointPort, QIODevice::ReadWrite,
                          QAbstractSocket::AnyIPProtocol);
}

void BmuLink::connectToBmu() {
    userDisconnected = false;
    reconnectAttempts = 0;
    reconnectTimer->stop();
    socket->abort();
    attemptByUser = true;
    failure.clear();
    open();
    connectTimer->start(intervals.connectLimitMs);
}

void BmuLink::disconnectFromBmu() {
    userDisconnected = true;
    attemptByUser = false;
    connectTimer->stop();
    reconnectTimer->stop();
    if (socket->state() == QAbstractSocket::ConnectedState)
        socket->disconnectFromHost();
    else
        socket->abort();
}

void BmuLink::onConnected() {
    connectTimer->stop();
    const bool byUser = attemptByUser;
    attemptByUser = false;
    emit connected(byUser);
}

void BmuLink::onConnectFailed() {
    if (isConnected())
        return;
    if (attemptByUser) {
        attemptByUser = false;
        connectTimer->stop();
        socket->abort();
        emit connectFailed();
    } else if (!userDisconnected && !reconnectTimer->isActive()) {
        scheduleReconnect(); // the BMU dropped the link: keep trying
    }
}

void BmuLink::onDisconnected() {
    assembler.clear();
    emit disconnected();
    if (userDisconnected)
        return;
    socket->abort();
    scheduleReconnect();
}

void BmuLink::scheduleReconnect() {
    reconnectAttempts += 1;
    const int delay = reconnectAttempts == 1
                          ? 0
                          : qMin(intervals.reconnectFirstMs << qMin(reconnectAttempts - 2, 5),
                                 intervals.reconnectLimitMs);
    reconnectTimer->start(delay);
}

bool BmuLink::send(const QByteArray& frame) {
    assembler.clear();
    if (!isConnected())
        return false;
    socket->write(frame);
    qCDebug(lcLink).noquote() << "sent" << frame.toHex(' ');
    emit frameSent(frame);
    return true;
}

void BmuLink::onReadyRead() {
    QVector<QByteArray> rejected;
    const QVector<QByteArray> frames = assembler.feed(socket->readAll(), &rejected);
    for (const QByteArray& frame : rejected)
        emit frameRejected(frame);
    for (const QByteArray& frame : frames) {
        reconnectAttempts = 0; // the link works
        qCDebug(lcLink).noquote() << "received" << frame.toHex(' ');
        if (FrameAssembler::isException(frame))
            emit exceptionReceived(byteAt(frame, 2), frame);
        else
            emit frameReceived(frame);
    }
}

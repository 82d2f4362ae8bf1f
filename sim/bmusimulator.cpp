#include "sim/bmusimulator.h"

#include "sim/scenario.h"
#include "sim/simconnection.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

constexpr int DriftIntervalMs = 1000;

} // namespace

BmuSimulator::BmuSimulator(SystemPreset preset, QObject* parent)
    : QObject(parent)
    , server(new QTcpServer(this))
    , bmu(preset, 1, QDateTime::currentDateTime()) {
    connect(server, &QTcpServer::newConnection, this, &BmuSimulator::acceptConnections);
    driftTimer.setInterval(DriftIntervalMs);
    connect(&driftTimer, &QTimer::timeout, this, [this] { bmu.advance(DriftIntervalMs / 1000.0); });
    driftTimer.start();
}

BmuSimulator::~BmuSimulator() = default;

bool BmuSimulator::listen(const QHostAddress& address, quint16 port) {
    return server->listen(address, port);
}

quint16 BmuSimulator::serverPort() const {
    return server->serverPort();
}

QString BmuSimulator::errorString() const {
    return server->errorString();
}

void BmuSimulator::close() {
    server->close();
    for (SimConnection* connection : connections)
        connection->deleteLater();
    connections.clear();
}

void BmuSimulator::setSplitReplies(int segments, int pauseMs) {
    splitSegments = qMax(1, segments);
    splitPause = qMax(0, pauseMs);
}

QDateTime BmuSimulator::staticLogEnd() {
    return QDateTime(QDate(2024, 5, 17), QTime(16, 42, 10));
}

QDateTime BmuSimulator::logEnd() const {
    return fixedValues ? staticLogEnd() : QDateTime::currentDateTime();
}

void BmuSimulator::setStatic(bool fixed) {
    if (fixed == fixedValues)
        return;
    fixedValues = fixed;
    if (fixed)
        driftTimer.stop();
    else
        driftTimer.start();
    bmu.reseed(seed, logEnd());
}

void BmuSimulator::setSeed(quint32 newSeed) {
    seed = newSeed;
    bmu.reseed(seed, logEnd());
}

bool BmuSimulator::loadScenario(const QString& jsonPath, QString* error) {
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return applyScenario(file.readAll(), bmu, error);
}

void BmuSimulator::acceptConnections() {
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        auto* connection = new SimConnection(socket, this);
        connection->onRequest = [this, connection](const ModbusRequest& request) {
            onRequest(connection, request);
        };
        connection->onGone = [this, connection] { forget(connection); };
        connections.append(connection);
        ++connectionsOpened;
        bmu.restartHistory();
        emit clientConnected();
    }
}

void BmuSimulator::forget(SimConnection* connection) {
    if (!connections.removeOne(connection))
        return;
    connection->deleteLater();
    emit clientDisconnected();
}

void BmuSimulator::onRequest(SimConnection* connection, const ModbusRequest& request) {
    requests.append(request.frame);
    emit requestReceived(request.frame);

    QByteArray reply = bmu.handle(request);
    if (!reply.isEmpty()) {
        ++replies;
        if (dropEvery > 0 && replies % dropEvery == 0) {
            reply.clear();
        } else if (corruptEvery > 0 && replies % corruptEvery == 0) {
            reply[reply.size() - 1] = char(~reply[reply.size() - 1]);
            reply[reply.size() - 2] = char(~reply[reply.size() - 2]);
        }
    }
    if (!reply.isEmpty()) {
        // Segment k of n ends at byte size*k/n: every segment holds at least one byte.
        const int segments = qMin(splitSegments, reply.size());
        int start = 0;
        for (int k = 1; k <= segments; ++k) {
            const int end = reply.size() * k / segments;
            connection->send(reply.mid(start, end - start), k == 1 ? replyDelay : splitPause);
            start = end;
        }
        emit replySent(reply);
    }
    if (closeAfter > 0 && connection->frames >= closeAfter)
        connection->closeWhenSent(0);
}

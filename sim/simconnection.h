#pragma once

#include "sim/requestparser.h"

#include <QObject>
#include <QQueue>
#include <QTimer>
#include <functional>

class QTcpSocket;

// One client of the simulated BMU: cuts its stream into requests and writes the
// replies in order, each piece after its own delay.
class SimConnection : public QObject {
public:
    SimConnection(QTcpSocket* socket, QObject* parent);

    // Queues bytes to be written after delayMs (counted from when the previous piece went).
    void send(const QByteArray& bytes, int delayMs);
    // Queues the end of the connection after everything queued before.
    void closeWhenSent(int delayMs);

    int frames = 0; // request frames received on this connection

    std::function<void(const ModbusRequest&)> onRequest;
    std::function<void()> onGone;

private:
    struct Piece {
        QByteArray bytes;
        int delay = 0;
        bool close = false;
    };
    void readAll();
    void pump();

    QTcpSocket* socket;
    RequestParser parser;
    QQueue<Piece> queue;
    QTimer waiter;
    bool waited = false;
};

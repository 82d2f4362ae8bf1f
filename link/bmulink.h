#pragma once

#include "link/frameassembler.h"
#include "link/sessiontiming.h"

#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;

// The TCP link to the BMU. Connecting is asynchronous and limited in time; a link the
// BMU drops is re-established by itself, while the user's Disconnect ends it for good.
// Incoming bytes are cut into reply frames with a valid CRC; exception replies are told
// apart from the others.
class BmuLink : public QObject {
    Q_OBJECT

public:
    explicit BmuLink(QObject* parent = nullptr);

    void setEndpoint(const QString& host, quint16 port);
    QString host() const { return endpointHost; }
    quint16 port() const { return endpointPort; }
    void setTiming(const SessionTiming& timing) { intervals = timing; }

    // The user's Connect and Disconnect.
    void connectToBmu();
    void disconnectFromBmu();
    bool isConnected() const;
    // Why the user's last attempt failed: refused, timed out, no route, ...
    QString failureReason() const { return failure; }

    // Writes one request frame; false when the link is down. The bytes of a reply that
    // never completed belong to an earlier request and are dropped first.
    bool send(const QByteArray& frame);

signals:
    void connected(bool byUser);    // byUser: the attempt the user started
    void connectFailed();           // the user's attempt failed or timed out
    void disconnected();            // the link went down, for whatever reason
    void reconnecting(int attempt); // the link was lost; attempt N to re-establish it begins
    void frameReceived(const QByteArray& frame);
    void exceptionReceived(quint8 code, const QByteArray& frame);
    void frameSent(const QByteArray& frame);
    void frameRejected(const QByteArray& frame); // a reply whose CRC failed, dropped

private:
    void open();
    void onConnected();
    void onConnectFailed();
    void onDisconnected();
    void onReadyRead();
    void scheduleReconnect();

    QTcpSocket* socket;
    QTimer* connectTimer;
    QTimer* reconnectTimer;
    FrameAssembler assembler;
    SessionTiming intervals;
    QString endpointHost = QStringLiteral("192.168.4.1");
    quint16 endpointPort = 8080;
    bool attemptByUser = false;
    bool userDisconnected = true;
    // Attempts since the link last carried a frame: the first at once, then after 1, 2,
    // 4 ... 30 s, so that a BMU that accepts and closes at once is not hammered.
    int reconnectAttempts = 0;
    QString failure;
};

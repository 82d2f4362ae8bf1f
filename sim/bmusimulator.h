#pragma once

#include "sim/bmudevice.h"
#include "sim/systemprofile.h"

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QVector>

class QTcpServer;
class SimConnection;

// The simulated BMU on a TCP port: raw Modbus-RTU frames, one reply per request, each
// reply written in one segment unless a fault says otherwise. Used by the demo mode, by
// the voltaro-bmu-sim program and, in-process on a free loopback port, by tests.
//
// Faults, all off by default, count over the whole server:
// - split replies: every reply goes out in N segments with a pause between them;
// - reply delay: every reply waits this long before its first byte;
// - drop every Nth reply: the request is acted on but its reply never sent;
// - corrupt every Nth reply: its CRC is inverted;
// - close after N frames: each connection is closed by the BMU once it has answered
//   (or dropped) its Nth request frame.
class BmuSimulator : public QObject {
    Q_OBJECT

public:
    explicit BmuSimulator(SystemPreset preset = SystemPreset::HighVoltage,
                          QObject* parent = nullptr);
    ~BmuSimulator() override;

    bool listen(const QHostAddress& address = QHostAddress::LocalHost, quint16 port = 0);
    quint16 serverPort() const;
    QString errorString() const;
    void close();

    // Faults (0 switches one off).
    void setSplitReplies(int segments, int pauseMs);
    void setReplyDelay(int milliseconds) { replyDelay = qMax(0, milliseconds); }
    void setDropEveryNth(int n) { dropEvery = qMax(0, n); }
    void setCorruptEveryNth(int n) { corruptEvery = qMax(0, n); }
    void setCloseAfterFrames(int n) { closeAfter = qMax(0, n); }

    // Values. Static holds every measured value still; the seed chooses the cell spread,
    // the walk of the values and the logs (the same seed, the same system).
    void setStatic(bool fixed);
    bool isStatic() const { return fixedValues; }
    void setSeed(quint32 seed);
    void setReadinessDelay(int milliseconds) { bmu.setReadinessDelay(milliseconds); }
    void setRegister(quint16 address, quint16 value) { bmu.setRegister(address, value); }
    bool loadScenario(const QString& jsonPath, QString* error = nullptr);
    BmuDevice& device() { return bmu; }
    const BmuDevice& device() const { return bmu; }

    // What the simulator received.
    const QVector<QByteArray>& setupWrites() const { return bmu.setupWrites(); }
    QByteArray bmuFirmwareImage() const { return bmu.receivedImage(TransferTarget::BmuFirmware); }
    QByteArray bmsFirmwareImage() const { return bmu.receivedImage(TransferTarget::BmsFirmware); }
    QByteArray tableBytes() const { return bmu.receivedImage(TransferTarget::ParameterTable); }
    int requestCount() const { return requests.size(); }
    const QVector<QByteArray>& requestLog() const { return requests; }
    int connectionCount() const { return connectionsOpened; }
    int openConnections() const { return connections.size(); }

    // The date the generated logs end at while the values are static.
    static QDateTime staticLogEnd();

signals:
    void requestReceived(const QByteArray& frame);
    void replySent(const QByteArray& frame); // every reply written, after faults
    void clientConnected();
    void clientDisconnected();

private:
    friend class SimConnection;
    void acceptConnections();
    void onRequest(SimConnection* connection, const ModbusRequest& request);
    void forget(SimConnection* connection);
    QDateTime logEnd() const;

    QTcpServer* server;
    BmuDevice bmu;
    QTimer driftTimer;
    QVector<SimConnection*> connections;
    QVector<QByteArray> requests;
    quint32 seed = 1;
    bool fixedValues = false;
    int splitSegments = 1;
    int splitPause = 0;
    int replyDelay = 0;
    int dropEvery = 0;
    int corruptEvery = 0;
    int closeAfter = 0;
    int replies = 0;
    int connectionsOpened = 0;
};
